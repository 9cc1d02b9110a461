#include "shellext/win/Utf16From1252.h"

#include "base/Windows1252.h"

std::wstring Utf16From1252(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (char c : text) {
        // Every code point of the code page lies in the Basic Multilingual Plane: one unit each.
        // The five undefined bytes become their C1 controls, as the system's own conversion does.
        wide += static_cast<wchar_t>(
            Windows1252CodePoint(static_cast<unsigned char>(c), Undefined1252::C1Control));
    }
    return wide;
}
