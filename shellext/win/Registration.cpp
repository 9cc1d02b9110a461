#include "shellext/win/Registration.h"

#include "shellext/win/ClaimSlots.h"
#include "shellext/win/Guids.h"
#include "shellext/win/Module.h"
#include "shellext/win/RegistryAccess.h"
#include "shellext/win/RegistryEntries.h"

#include <oleauto.h>
#include <propsys.h>
#include <shlobj.h>
#include <shlwapi.h>

namespace {

constexpr wchar_t kApprovedValue[] = L"Quorvane thumbnail extension";

bool IsWindows9x() {
    return (GetVersion() & 0x80000000u) != 0;
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
    for (const RegistryValue& value : entry.values) {
        status = SetString(key, value.name.empty() ? nullptr : value.name.c_str(), value.data);
        if (status != ERROR_SUCCESS) {
            break;
        }
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status);
}

// Bottom up; a key that other programs' subkeys still hold is left, as is a shared key with
// anything left in it.
void RemoveEntry(const RegistryEntry& entry, CFirstError* errors) {
    if (entry.role == KeyRole::Kept || !KeyExists(entry.root, entry.key)) {
        return;
    }
    if (entry.role == KeyRole::Shared) {
        HKEY key = nullptr;
        LONG status = RegOpenKeyExW(entry.root, entry.key.c_str(), 0, KEY_SET_VALUE, &key);
        errors->NoteStatus(status);
        if (status == ERROR_SUCCESS) {
            for (const RegistryValue& value : entry.values) {
                errors->NoteStatus(RegDeleteValueW(key, value.name.empty() ? nullptr : value.name.c_str()));
            }
            RegCloseKey(key);
        }
        if (IsEmptyKey(entry.root, entry.key)) {
            errors->NoteStatus(DeleteEmptyKey(entry.root, entry.key));
        }
        return;
    }
    if (!HasSubkeys(entry.root, entry.key)) {
        errors->NoteStatus(DeleteEmptyKey(entry.root, entry.key));
    }
}

// What an earlier version wrote under ibwfile\shellex, and the keys it kept there once empty.
void RemoveLegacyHandlers(CFirstError* errors) {
    for (const std::wstring& key : LegacyHandlerKeys()) {
        const bool pageKey = key.ends_with(kClsidText);
        if (KeyExists(HKEY_CLASSES_ROOT, key) &&
            (pageKey || ReadString(HKEY_CLASSES_ROOT, key) == kClsidText) &&
            !HasSubkeys(HKEY_CLASSES_ROOT, key)) {
            errors->NoteStatus(DeleteEmptyKey(HKEY_CLASSES_ROOT, key));
        }
    }
    for (const wchar_t* key : {L"ibwfile\\shellex\\PropertySheetHandlers", L"ibwfile\\shellex"}) {
        if (IsEmptyKey(HKEY_CLASSES_ROOT, key)) {
            errors->NoteStatus(DeleteEmptyKey(HKEY_CLASSES_ROOT, key));
        }
    }
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

bool TypeLibraryRegistered() {
    BSTR registeredPath = nullptr;
    if (FAILED(QueryPathOfRegTypeLib(LIBID_IBWINFOLib, 1, 0, LANG_NEUTRAL, &registeredPath))) {
        return false;
    }
    SysFreeString(registeredPath);
    return true;
}

// Removed is what counts: systems differ in what UnRegisterTypeLib answers, so the registry is
// asked before and after.
HRESULT UnregisterTypeLibrary() {
    if (!TypeLibraryRegistered()) {
        return S_OK;
    }
    HRESULT hr = UnRegisterTypeLib(LIBID_IBWINFOLib, 1, 0, LANG_NEUTRAL, ThisSysKind());
    if (FAILED(hr) && !TypeLibraryRegistered()) {
        return S_OK;
    }
    return hr;
}

// The property schema beside the module.
std::wstring SchemaPath(const std::wstring& modulePath) {
    return modulePath.substr(0, modulePath.find_last_of(L'\\') + 1) + kPropertySchemaFile;
}

} // namespace

HRESULT RegisterServer() {
    const std::wstring modulePath = ModuleFilePath();
    if (modulePath.empty()) {
        return E_FAIL;
    }
    // Without its schema the property handler's values would have no names: refused before anything
    // is written.
    const std::wstring schema = SchemaPath(modulePath);
    if (GetFileAttributesW(schema.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    }
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
    CFirstError legacy;
    RemoveLegacyHandlers(&legacy);
    if (FAILED(legacy.Result())) {
        return legacy.Result();
    }
    for (const RegistryEntry& entry : RegistryEntries(modulePath)) {
        HRESULT hr = WriteEntry(entry);
        if (FAILED(hr)) {
            return hr;
        }
    }
    for (const RegistryClaim& claim : RegistryClaims()) {
        HRESULT hr = TakeClaim(claim);
        if (FAILED(hr)) {
            return hr;
        }
    }
    HRESULT hr = RegisterTypeLibrary(modulePath);
    if (SUCCEEDED(hr)) {
        hr = PSRegisterPropertySchema(schema.c_str());
    }
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    return hr;
}

HRESULT UnregisterServer() {
    CFirstError errors;
    if (!IsWindows9x()) {
        HKEY approved = nullptr;
        LONG status = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kApprovedKey, 0, KEY_SET_VALUE, &approved);
        errors.NoteStatus(status);
        if (status == ERROR_SUCCESS) {
            errors.NoteStatus(RegDeleteValueW(approved, kClsidText));
            RegCloseKey(approved);
        }
    }
    const std::wstring modulePath = ModuleFilePath();
    // A system that keeps no schemas (E_NOTIMPL) has none to give back.
    HRESULT schema = PSUnregisterPropertySchema(SchemaPath(modulePath).c_str());
    if (schema != E_NOTIMPL) {
        errors.Note(schema);
    }
    for (const RegistryClaim& claim : RegistryClaims()) {
        errors.Note(ReleaseClaim(claim));
    }
    errors.Note(RemoveEmptyClaimRecords());
    RemoveLegacyHandlers(&errors);
    const std::vector<RegistryEntry> entries = RegistryEntries(modulePath);
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        RemoveEntry(*entry, &errors);
    }
    errors.Note(UnregisterTypeLibrary());
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    return errors.Result();
}
