// The registry entries of the server, in creation order (a key before its subkeys).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct RegistryEntry {
    HKEY root = HKEY_CLASSES_ROOT;
    std::wstring key;
    bool hasDefault = false;
    std::wstring defaultValue;
    std::wstring valueName; // one extra named value when not empty
    std::wstring value;
    bool kept = false;      // stays, with its values, on unregistration
    bool recreated = false; // deleted with its subtree before it is written
};

inline constexpr wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

std::vector<RegistryEntry> RegistryEntries(const std::wstring& modulePath);
