#include "base/Windows1252.h"

namespace {

// Code points of bytes 0x80..0x9F, 0 where the code page defines none; every other byte equals
// its code point. A table rather than iconv keeps the tools free of the C library's conversion
// modules, which sandboxes may leave out.
constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

char32_t Windows1252CodePoint(unsigned char byte, Undefined1252 undefined) {
    if (byte < 0x80 || byte >= 0xA0) {
        return byte;
    }
    const char32_t c = kHigh[byte - 0x80];
    if (c != 0) {
        return c;
    }
    return undefined == Undefined1252::C1Control ? char32_t{byte} : char32_t{0xFFFD};
}

std::string Windows1252ToUtf8(std::string_view text, Undefined1252 undefined) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char ch : text) {
        AppendUtf8(out, Windows1252CodePoint(static_cast<unsigned char>(ch), undefined));
    }
    return out;
}
