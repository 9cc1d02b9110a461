// A colour table addressed by an integer key: RGBA byte entries.
#pragma once

#include "base/ColorRGBA.h"
#include "CBlockObject.h"

#include <cstdint>
#include <vector>

class CColorTableObject : public CBlockObject {
public:
    CColorTableObject();

    void OnNotify(const ObjectEvent& event) override;
    bool IsDirty() const override;
    void ClearDirty() override;

    // Replaces the entries with 0x00RRGGBB values (alpha 255); null or 0 leaves it empty.
    void SetEntries(const std::uint32_t* values, int count);
    void SetEntries(std::vector<ColorRGBA> values);
    const std::vector<ColorRGBA>& Entries() const { return entries; }

private:
    std::vector<ColorRGBA> entries;
    bool changed = true;
};
