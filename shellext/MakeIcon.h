// An icon made from a thumbnail bitmap: the colour picture, an all-opaque mask and a hot spot in
// the middle.
#pragma once

#include "shellext/PaletteBitmap.h"

#include <cstdint>
#include <optional>
#include <vector>

struct PaletteIcon {
    PaletteBitmap color;
    std::int32_t maskRowLength = 0; // bytes per mask row: one bit per pixel, padded to 4 bytes
    std::vector<std::uint8_t> mask; // maskRowLength x height bytes, all 0: every pixel opaque
    std::int32_t hotspotX = 0;      // width / 2
    std::int32_t hotspotY = 0;      // height / 2
};

// Consumes the bitmap; none in, none out.
std::optional<PaletteIcon> MakeIcon(std::optional<PaletteBitmap> bitmap);
