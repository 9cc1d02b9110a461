// Wraps a portable palettised bitmap in an 8-bit bottom-up DIB section with the same palette.
#pragma once

#include "shellext/PaletteBitmap.h"

#include <windows.h>

#include <optional>

// Null when there is no bitmap or Windows cannot make one. The caller owns the result.
HBITMAP CreatePaletteDib(const std::optional<PaletteBitmap>& bitmap);
