#include "shellext/win/Registration.h"

#include "shellext/win/Guids.h"
#include "shellext/win/Module.h"
#include "shellext/win/RegistryEntries.h"

#include <oleauto.h>
#include <shlwapi.h>

#include <cwchar>

namespace {

constexpr wchar_t kApprovedValue[] = L"Quorvane thumbnail extension";

bool IsWindows9x() {
    return (GetVersion() & 0x80000000u) != 0;
}

LONG SetString(HKEY key, const wchar_t* name, const std::wstring& value) {
    DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
}

HRESULT WriteEntry(const RegistryEntry& entry) {
    if (entry.recreated) {
        SHDeleteKeyW(entry.root, entry.key.c_str());
    }
    HKEY key = nullptr;
    LONG status = RegCreateKeyExW(entry.root, entry.key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        return HRESULT_FROM_WIN32(status);
    }
    if (entry.hasDefault) {
        status = SetString(key, nullptr, entry.defaultValue);
    }
    if (status == ERROR_SUCCESS && !entry.valueName.empty()) {
        status = SetString(key, entry.valueName.c_str(), entry.value);
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status);
}

SYSKIND ThisSysKind() {
    return sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
}

HRESULT RegisterTypeLibrary(const std::wstring& modulePath) {
    ITypeLib* library = nullptr;
    HRESULT hr = LoadTypeLibEx(const_cast<wchar_t*>(modulePath.c_str()), REGKIND_NONE, &library);
    if (FAILED(hr)) {
        return hr;
    }
    hr = RegisterTypeLib(library, const_cast<wchar_t*>(modulePath.c_str()), nullptr);
    library->Release();
    return hr;
}

} // namespace

HRESULT RegisterServer() {
    if (!IsWindows9x()) {
        HKEY approved = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kApprovedKey, 0, KEY_SET_VALUE, &approved) != ERROR_SUCCESS) {
            return E_ACCESSDENIED;
        }
        LONG status = SetString(approved, kClsidText, kApprovedValue);
        RegCloseKey(approved);
        if (status != ERROR_SUCCESS) {
            return E_ACCESSDENIED;
        }
    }
    const std::wstring modulePath = ModuleFilePath();
    if (modulePath.empty()) {
        return E_FAIL;
    }
    for (const RegistryEntry& entry : RegistryEntries(modulePath)) {
        HRESULT hr = WriteEntry(entry);
        if (FAILED(hr)) {
            return hr;
        }
    }
    return RegisterTypeLibrary(modulePath);
}

HRESULT UnregisterServer() {
    if (!IsWindows9x()) {
        HKEY approved = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kApprovedKey, 0, KEY_SET_VALUE, &approved) == ERROR_SUCCESS) {
            RegDeleteValueW(approved, kClsidText);
            RegCloseKey(approved);
        }
    }
    // Bottom up; a key that still has subkeys of others is not deleted (RegDeleteKey refuses it).
    const std::vector<RegistryEntry> entries = RegistryEntries(ModuleFilePath());
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (!entry->kept) {
            RegDeleteKeyW(entry->root, entry->key.c_str());
        }
    }
    // A library that is not registered leaves the machine as asked; systems differ in the error
    // UnRegisterTypeLib gives for it, so look first.
    BSTR registeredPath = nullptr;
    if (FAILED(QueryPathOfRegTypeLib(LIBID_IBWINFOLib, 1, 0, LANG_NEUTRAL, &registeredPath))) {
        return S_OK;
    }
    SysFreeString(registeredPath);
    HRESULT hr = UnRegisterTypeLib(LIBID_IBWINFOLib, 1, 0, LANG_NEUTRAL, ThisSysKind());
    if (hr == TYPE_E_REGISTRYACCESS || hr == TYPE_E_LIBNOTREGISTERED) {
        return S_OK;
    }
    return hr;
}
