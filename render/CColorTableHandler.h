// CColorTableHandler: read access to the built-in colour tables. Entries are handed out as
// 0x00RRGGBB, optionally reversed (invert) and with complemented components (negative).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CColorTableHandler {
public:
    CColorTableHandler() = default;
    virtual ~CColorTableHandler() = default;

    static int GetTableCount();                            // 79
    static int GetEntryCount(int index);                   // 0 outside 0..78
    static std::string GetName(int index);                 // empty outside 0..78
    static int FindByName(std::string_view name);          // exact, case-sensitive; -1 if absent
    static int GetEntryCountByName(std::string_view name); // 0 if absent
    static int GetDefaultIndex();                          // "VioletOrangeYellow", 50

    // Writes min(entry count, capacity) entries, then reverses them if `invert`, then complements
    // them if `negative`. Returns the number written; 0 for a bad index or no array.
    int FillEntries(int index, std::uint32_t* out, int capacity) const;
    // Resizes *out to the table's entry count and fills it; returns the count (0: nothing done).
    int AllocEntries(int index, std::vector<std::uint32_t>* out) const;

    static bool ReverseEntries(std::uint32_t* entries, int count);
    static bool NegateEntries(std::uint32_t* entries, int count);

    bool invert = false;
    bool negative = false;
};
