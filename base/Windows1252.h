// Windows-1252 single-byte texts (unit labels with 0xB5 and 0xB0) to UTF-8 for Qt and the fonts.
#pragma once

#include <string>
#include <string_view>

std::string Windows1252ToUtf8(std::string_view text);
