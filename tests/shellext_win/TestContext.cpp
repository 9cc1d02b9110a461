#include "tests/shellext_win/TestContext.h"

#include <cstdio>

namespace {

std::wstring Convert(UINT codePage, const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), units);
    return wide;
}

} // namespace

std::wstring FromUtf8(const std::string& text) {
    return Convert(CP_UTF8, text);
}

std::wstring From1252(const std::string& text) {
    return Convert(1252, text);
}

std::wstring TestContext::Fixture(const char* name) const {
    return fixtureFolder + FromUtf8(name);
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
