// ColourPalette: the 40 named colours of the colour popup, in grid order (8 columns, 5 rows).
#pragma once

#include "ui/ColorRef.h"

#include <array>

struct NamedColour {
    ColorRef colour;
    const char* name; // also the cell's tooltip
};

inline constexpr int kPaletteColumns = 8;
inline constexpr int kPaletteSize = 40;

const std::array<NamedColour, kPaletteSize>& ColourPalette();
// Index of c in the palette, or -1 when it is not one of its colours.
int PaletteIndexOf(ColorRef c);
