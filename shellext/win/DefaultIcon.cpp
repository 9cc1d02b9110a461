#include "shellext/win/DefaultIcon.h"

#include "shellext/win/Module.h"

#include <shellapi.h>

#include <cstdlib>

DefaultIconLocation ParseDefaultIcon(const std::string& text) {
    DefaultIconLocation location;
    std::size_t comma = text.find(',');
    location.path = text.substr(0, comma);
    if (comma != std::string::npos) {
        location.index = static_cast<int>(std::strtol(text.c_str() + comma + 1, nullptr, 10));
    }
    return location;
}

namespace {

const DefaultIconLocation& CachedLocation() {
    static const DefaultIconLocation location = [] {
        char text[MAX_PATH + 1] = {};
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "ibwfile\\DefaultIcon", 0, KEY_READ, &key) == ERROR_SUCCESS) {
            DWORD type = 0;
            DWORD bytes = MAX_PATH;
            if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text), &bytes) !=
                    ERROR_SUCCESS ||
                (type != REG_SZ && type != REG_EXPAND_SZ)) {
                text[0] = '\0';
            }
            RegCloseKey(key);
        }
        // The stored text need not end with a zero: the extra byte keeps it bounded.
        text[MAX_PATH] = '\0';
        return ParseDefaultIcon(text);
    }();
    return location;
}

} // namespace

HICON ExtractDefaultIcon() {
    const DefaultIconLocation& location = CachedLocation();
    if (location.path.empty()) {
        return nullptr;
    }
    HICON icon = ExtractIconA(ModuleInstance(), location.path.c_str(), static_cast<UINT>(location.index));
    // 1 means "not a file with icons": no handle to give away.
    if (icon == reinterpret_cast<HICON>(1)) {
        return nullptr;
    }
    return icon;
}
