// Windows-1252 text, as the shell extension's texts and the files' notes are, turned into UTF-8
// for terminals and file managers.
#pragma once

#include <string>
#include <string_view>

// Bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
std::string Windows1252ToUtf8(std::string_view text);
