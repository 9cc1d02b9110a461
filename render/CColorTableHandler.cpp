#include "render/CColorTableHandler.h"

#include "ColorTables.h"

#include <algorithm>
#include <cstddef>

namespace {

// Unsigned comparison so that negative indexes fall outside as well.
const ColorTable* TableAt(int index) {
    const auto& tables = BuiltInColorTables();
    if (static_cast<unsigned>(index) >= tables.size()) {
        return nullptr;
    }
    return &tables[static_cast<std::size_t>(index)];
}

} // namespace

int CColorTableHandler::GetTableCount() {
    return static_cast<int>(BuiltInColorTables().size());
}

int CColorTableHandler::GetEntryCount(int index) {
    const ColorTable* table = TableAt(index);
    return table ? static_cast<int>(table->entries.size()) : 0;
}

std::string CColorTableHandler::GetName(int index) {
    const ColorTable* table = TableAt(index);
    return table ? table->name : std::string();
}

int CColorTableHandler::FindByName(std::string_view name) {
    const auto& tables = BuiltInColorTables();
    const auto it = std::find_if(tables.begin(), tables.end(),
                                 [name](const ColorTable& table) { return table.name == name; });
    return it == tables.end() ? -1 : static_cast<int>(it - tables.begin());
}

int CColorTableHandler::GetEntryCountByName(std::string_view name) {
    return GetEntryCount(FindByName(name));
}

int CColorTableHandler::GetDefaultIndex() {
    return FindByName("VioletOrangeYellow");
}

int CColorTableHandler::FillEntries(int index, std::uint32_t* out, int capacity) const {
    const ColorTable* table = TableAt(index);
    if (!table || !out || capacity <= 0) {
        return 0;
    }
    const int count = std::min(static_cast<int>(table->entries.size()), capacity);
    for (int k = 0; k < count; ++k) {
        const ColorTableEntry& e = table->entries[static_cast<std::size_t>(k)];
        out[k] = (std::uint32_t{e.r} << 16) | (std::uint32_t{e.g} << 8) | std::uint32_t{e.b};
    }
    if (invert) {
        ReverseEntries(out, count);
    }
    if (negative) {
        NegateEntries(out, count);
    }
    return count;
}

int CColorTableHandler::AllocEntries(int index, std::vector<std::uint32_t>* out) const {
    const int count = GetEntryCount(index);
    if (count == 0 || !out) {
        return 0;
    }
    out->assign(static_cast<std::size_t>(count), 0);
    return FillEntries(index, out->data(), count);
}

bool CColorTableHandler::ReverseEntries(std::uint32_t* entries, int count) {
    if (!entries || count <= 0) {
        return false;
    }
    std::reverse(entries, entries + count);
    return true;
}

bool CColorTableHandler::NegateEntries(std::uint32_t* entries, int count) {
    if (!entries || count <= 0) {
        return false;
    }
    for (int k = 0; k < count; ++k) {
        entries[k] = ~entries[k] & 0x00FFFFFFu;
    }
    return true;
}
