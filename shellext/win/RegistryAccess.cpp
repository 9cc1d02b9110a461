#include "shellext/win/RegistryAccess.h"

#include <vector>

LONG SetString(HKEY key, const wchar_t* name, const std::wstring& value) {
    DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
}

std::optional<std::wstring> ReadString(HKEY root, const std::wstring& key, const wchar_t* name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD bytes = 0;
    std::optional<std::wstring> text;
    if (RegQueryValueExW(opened, name, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        if (RegQueryValueExW(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
            ERROR_SUCCESS) {
            // The stored text need not end with a zero: the extra unit keeps it bounded.
            text = std::wstring(buffer.data());
        }
    }
    RegCloseKey(opened);
    return text;
}

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(opened);
    return true;
}

namespace {

bool Counts(HKEY root, const std::wstring& key, DWORD* subkeys, DWORD* values) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return false;
    }
    LONG status = RegQueryInfoKeyW(opened, nullptr, nullptr, nullptr, subkeys, nullptr, nullptr, values,
                                   nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(opened);
    return status == ERROR_SUCCESS;
}

} // namespace

bool HasSubkeys(HKEY root, const std::wstring& key) {
    DWORD subkeys = 0;
    DWORD values = 0;
    return Counts(root, key, &subkeys, &values) && subkeys > 0;
}

bool IsEmptyKey(HKEY root, const std::wstring& key) {
    DWORD subkeys = 0;
    DWORD values = 0;
    return Counts(root, key, &subkeys, &values) && subkeys == 0 && values == 0;
}

LONG DeleteEmptyKey(HKEY root, const std::wstring& key) {
    LONG status = RegDeleteKeyW(root, key.c_str());
    return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}
