#include "tests/shellext_win/TestContext.h"

#include <cstdio>

std::wstring TestContext::Fixture(const char* name) const {
    std::wstring path = fixtureFolder;
    for (const char* c = name; *c; ++c) {
        path += static_cast<wchar_t>(*c);
    }
    return path;
}

CLSID ExtractorClsid() {
    CLSID clsid{};
    CLSIDFromString(kClsidText, &clsid);
    return clsid;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) {
        if (c == L'\t') {
            narrow += "\\t";
        } else if (c == L'\n') {
            narrow += "\\n";
        } else if (c >= 0x20 && c < 0x7F) {
            narrow += static_cast<char>(c);
        } else {
            char escaped[12] = {};
            std::snprintf(escaped, sizeof(escaped), "\\u%04X", static_cast<unsigned>(c));
            narrow += escaped;
        }
    }
    return narrow;
}
