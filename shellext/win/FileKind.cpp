#include "shellext/win/FileKind.h"

#include <windows.h>

#include <cwchar>

int FileKind(const wchar_t* path) {
    if (!path) {
        return kFileKindOther;
    }
    const wchar_t* dot = std::wcsrchr(path, L'.');
    const wchar_t* extension = dot ? dot + 1 : path;
    if (lstrcmpiW(extension, L"ibw") == 0) {
        return kFileKindIBW;
    }
    if (lstrcmpiW(extension, L"qvdf") == 0) {
        return kFileKindQVDF;
    }
    return kFileKindOther;
}
