// Windows-1252 single-byte texts (unit labels with 0xB5 and 0xB0, the files' notes and names) to
// Unicode, for Qt, the fonts, terminals and the shell.
#pragma once

#include <string>
#include <string_view>

// What the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become: the
// C1 control of the same value, as the system's own conversion does, or U+FFFD for output that
// people read in terminals and file managers.
enum class Undefined1252 { C1Control, Replacement };

char32_t Windows1252CodePoint(unsigned char byte, Undefined1252 undefined);
std::string Windows1252ToUtf8(std::string_view text, Undefined1252 undefined);
