// The registry entries of the server, in creation order (a key before its subkeys), and the
// single-valued slots it takes only when no other program holds them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

enum class KeyRole {
    Kept,   // shared by everyone: made when missing, never removed
    Shared, // others may use it too: our values go on removal, the key when nothing is left in it
    Ours,   // ours with its values: removed unless other programs' subkeys remain under it
};

struct RegistryValue {
    std::wstring name; // empty: the default value
    std::wstring data;
};

struct RegistryEntry {
    HKEY root = HKEY_CLASSES_ROOT;
    std::wstring key;
    KeyRole role = KeyRole::Ours;
    std::vector<RegistryValue> values;
    bool recreated = false; // an Ours key deleted with its subtree before it is written
};

// What a claimed slot's default value names, to tell a live owner from a stale one.
enum class ClaimKind { ProgId, Clsid };

// A key's default value that says who handles something (an extension's ProgID, a handler's
// class): set to ours only when nothing, or nothing that exists, holds it; what was there is
// recorded and given back on removal.
struct RegistryClaim {
    HKEY root = HKEY_CLASSES_ROOT;
    std::wstring key;
    std::wstring ours;
    ClaimKind kind = ClaimKind::ProgId;
    std::wstring earlier; // what an earlier version of this server put there, taken as ours
};

inline constexpr wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
// Where the claims' earlier holders are kept, under HKEY_LOCAL_MACHINE.
inline constexpr wchar_t kClaimsKey[] = L"Software\\Quorvane\\QVIBWInfo\\Claims";
inline constexpr wchar_t kPropertySchemaFile[] = L"QVIBWInfo.propdesc";

std::vector<RegistryEntry> RegistryEntries(const std::wstring& modulePath);
std::vector<RegistryClaim> RegistryClaims();
// The handler keys an earlier version wrote under the ibwfile ProgID: removed when they name this
// class, deepest first.
std::vector<std::wstring> LegacyHandlerKeys();
