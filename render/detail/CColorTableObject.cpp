// Colour-table entries and their changed mark.
#include "CColorTableObject.h"

CColorTableObject::CColorTableObject() : CBlockObject(BlockType::ColorTable) {}

void CColorTableObject::OnNotify(const ObjectEvent&) {}

bool CColorTableObject::IsDirty() const {
    return changed;
}

void CColorTableObject::ClearDirty() {
    changed = false;
}

void CColorTableObject::SetEntries(const std::uint32_t* values, int count) {
    entries.clear();
    changed = true;
    if (values == nullptr || count <= 0)
        return;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::uint32_t v = values[i];
        entries.push_back(ColorRGBA{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                                    static_cast<std::uint8_t>(v), 255});
    }
}

void CColorTableObject::SetEntries(std::vector<ColorRGBA> values) {
    entries = std::move(values);
    changed = true;
}
