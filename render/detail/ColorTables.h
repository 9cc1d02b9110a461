// The 79 built-in colour tables. A table's position in the list is its identity everywhere: the
// preferences, the channel bar and the render facade all refer to it by that index.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ColorTableEntry {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

struct ColorTable {
    std::string name;                     // at most 63 characters
    std::vector<ColorTableEntry> entries; // 8 to 476 entries
};

// The list in its fixed order, built once on first use and constant afterwards.
const std::vector<ColorTable>& BuiltInColorTables();
