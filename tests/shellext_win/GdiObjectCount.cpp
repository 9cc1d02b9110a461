#include "tests/shellext_win/GdiObjectCount.h"

#include <windows.h>

#include <winternl.h>

#include <cstddef>
#include <cstdint>

namespace {

// An entry of the table: the object's type code sits at byte 14, 0 for a free entry.
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t user;
};
static_assert(sizeof(GdiHandleEntry) == 24 && offsetof(GdiHandleEntry, type) == 14);

constexpr std::size_t kTableEntries = 0x10000;
constexpr std::size_t kTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94; // in the process block

using QueryProcess = LONG(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

int TableCount() {
    auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0 ||
        !basic.PebBaseAddress) {
        return -1;
    }
    const auto* peb = reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kTableOffset);
    if (!table) {
        return -1;
    }
    int count = 0;
    for (std::size_t i = 0; i < kTableEntries; ++i) {
        count += table[i].type != 0 ? 1 : 0;
    }
    return count;
}

} // namespace

int GdiObjectCount() {
    SetLastError(ERROR_SUCCESS);
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) {
        return static_cast<int>(counted);
    }
    return TableCount();
}
