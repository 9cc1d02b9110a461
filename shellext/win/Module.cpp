#include "shellext/win/Module.h"

#include <vector>

namespace {

HINSTANCE g_instance = nullptr;
LONG g_lockCount = 0;

} // namespace

void SetModuleInstance(HINSTANCE instance) {
    g_instance = instance;
}

HINSTANCE ModuleInstance() {
    return g_instance;
}

void ModuleLock() {
    InterlockedIncrement(&g_lockCount);
}

void ModuleUnlock() {
    InterlockedDecrement(&g_lockCount);
}

LONG ModuleLockCount() {
    return InterlockedCompareExchange(&g_lockCount, 0, 0);
}

std::wstring ModuleFilePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameW(g_instance, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            return std::wstring(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}
