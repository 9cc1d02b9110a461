#include "shellext/win/FileKind.h"

#include <cwchar>

namespace {

// ASCII letters only: the user's locale must not decide (in Turkish "IBW" would not be "ibw").
bool SameAsciiIgnoringCase(const wchar_t* a, const wchar_t* b) {
    for (; *a && *b; ++a, ++b) {
        wchar_t x = *a >= L'A' && *a <= L'Z' ? static_cast<wchar_t>(*a - L'A' + L'a') : *a;
        wchar_t y = *b >= L'A' && *b <= L'Z' ? static_cast<wchar_t>(*b - L'A' + L'a') : *b;
        if (x != y) {
            return false;
        }
    }
    return *a == *b;
}

} // namespace

bool IsExtension(const wchar_t* text, const wchar_t* lowerExtension) {
    return text && SameAsciiIgnoringCase(text, lowerExtension);
}

int FileKind(const wchar_t* path) {
    if (!path) {
        return kFileKindOther;
    }
    const wchar_t* dot = std::wcsrchr(path, L'.');
    const wchar_t* extension = dot ? dot + 1 : path;
    if (IsExtension(extension, L"ibw")) {
        return kFileKindIBW;
    }
    if (IsExtension(extension, L"qvdf")) {
        return kFileKindQVDF;
    }
    return kFileKindOther;
}
