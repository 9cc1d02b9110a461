#include "shellext/win/ClaimSlots.h"

#include "shellext/win/RegistryAccess.h"

#include <optional>

namespace {

std::wstring RecordName(const RegistryClaim& claim) {
    return (claim.root == HKEY_LOCAL_MACHINE ? L"HKLM\\" : L"HKCR\\") + claim.key;
}

// Another program's ProgID or class that still exists holds the slot; an empty or stale one does not.
bool HeldByOther(const RegistryClaim& claim, const std::optional<std::wstring>& holder) {
    if (!holder || holder->empty() || *holder == claim.ours) {
        return false;
    }
    return KeyExists(HKEY_CLASSES_ROOT, claim.kind == ClaimKind::Clsid ? L"CLSID\\" + *holder : *holder);
}

// The recorded holder before us: none when there is no record, an empty optional inside when the
// slot held nothing.
std::optional<std::optional<std::wstring>> ReadRecord(const RegistryClaim& claim) {
    HKEY records = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kClaimsKey, 0, KEY_QUERY_VALUE, &records) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring name = RecordName(claim);
    DWORD type = 0;
    std::optional<std::optional<std::wstring>> record;
    if (RegQueryValueExW(records, name.c_str(), nullptr, &type, nullptr, nullptr) == ERROR_SUCCESS) {
        record = type == REG_SZ ? ReadString(HKEY_LOCAL_MACHINE, kClaimsKey, name.c_str())
                                : std::optional<std::wstring>();
    }
    RegCloseKey(records);
    return record;
}

LONG WriteRecord(const RegistryClaim& claim, const std::optional<std::wstring>& holder) {
    HKEY records = nullptr;
    LONG status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kClaimsKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_SET_VALUE, nullptr, &records, nullptr);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    const std::wstring name = RecordName(claim);
    status = holder ? SetString(records, name.c_str(), *holder)
                    : RegSetValueExW(records, name.c_str(), 0, REG_NONE, nullptr, 0);
    RegCloseKey(records);
    return status;
}

LONG SetDefault(const RegistryClaim& claim, const std::optional<std::wstring>& value) {
    HKEY key = nullptr;
    LONG status = RegCreateKeyExW(claim.root, claim.key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    status = value ? SetString(key, nullptr, *value) : RegDeleteValueW(key, nullptr);
    RegCloseKey(key);
    return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

} // namespace

HRESULT TakeClaim(const RegistryClaim& claim) {
    const std::optional<std::wstring> holder = ReadString(claim.root, claim.key);
    CFirstError errors;
    if (holder && (*holder == claim.ours || (!claim.earlier.empty() && *holder == claim.earlier))) {
        // Ours already, by this version or an earlier one that kept no record: it held nothing before.
        if (!ReadRecord(claim)) {
            errors.NoteStatus(WriteRecord(claim, std::nullopt));
        }
        if (*holder != claim.ours) {
            errors.NoteStatus(SetDefault(claim, claim.ours));
        }
        return errors.Result();
    }
    if (HeldByOther(claim, holder)) {
        return S_OK;
    }
    errors.NoteStatus(WriteRecord(claim, holder));
    if (SUCCEEDED(errors.Result())) {
        errors.NoteStatus(SetDefault(claim, claim.ours));
    }
    return errors.Result();
}

HRESULT ReleaseClaim(const RegistryClaim& claim) {
    const std::optional<std::optional<std::wstring>> record = ReadRecord(claim);
    if (!record) {
        return S_OK;
    }
    CFirstError errors;
    // Only while the slot still names us: a program that took it since keeps it.
    if (ReadString(claim.root, claim.key) == claim.ours) {
        errors.NoteStatus(SetDefault(claim, *record));
        if (IsEmptyKey(claim.root, claim.key)) {
            errors.NoteStatus(DeleteEmptyKey(claim.root, claim.key));
        }
    }
    HKEY records = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kClaimsKey, 0, KEY_SET_VALUE, &records) == ERROR_SUCCESS) {
        errors.NoteStatus(RegDeleteValueW(records, RecordName(claim).c_str()));
        RegCloseKey(records);
    }
    return errors.Result();
}

HRESULT RemoveEmptyClaimRecords() {
    CFirstError errors;
    for (const wchar_t* key : {kClaimsKey, L"Software\\Quorvane\\QVIBWInfo", L"Software\\Quorvane"}) {
        if (!KeyExists(HKEY_LOCAL_MACHINE, key)) {
            continue;
        }
        if (!IsEmptyKey(HKEY_LOCAL_MACHINE, key)) {
            break;
        }
        errors.NoteStatus(DeleteEmptyKey(HKEY_LOCAL_MACHINE, key));
    }
    return errors.Result();
}
