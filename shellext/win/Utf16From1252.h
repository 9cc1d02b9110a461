// The files' 8-bit texts (notes, channel names, the column values with their micro sign) as
// UTF-16 for the shell, converted from Windows-1252 directly: the thread's ANSI code page is
// whatever the user runs (932 turns the micro sign into a katakana, 936 swallows the next byte).
#pragma once

#include <string>
#include <string_view>

std::wstring Utf16From1252(std::string_view text);
