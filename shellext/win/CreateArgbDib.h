// A portable palettised bitmap as the 32-bit DIB section a thumbnail provider hands the shell:
// bottom-up, every pixel its palette colour with the alpha byte 255.
#pragma once

#include "shellext/PaletteBitmap.h"

#include <windows.h>

#include <optional>

// Null when there is no bitmap or Windows cannot make one. The caller owns the result.
HBITMAP CreateArgbDib(const std::optional<PaletteBitmap>& bitmap);
