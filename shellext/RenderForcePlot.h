// A force curve's plot: the extend trace in red and the retract trace in blue on white.
#pragma once

#include "shellext/IBWPreviewDescriptor.h"
#include "shellext/PaletteBitmap.h"
#include "shellext/RenderPreviewImage.h"

#include <optional>

// Entry 0 white, 1 black, 2 red, 3 blue, the rest white.
std::array<std::uint32_t, 256> ForcePlotPalette();

constexpr std::int32_t kLargestOwnPlotSide = kLargestOwnPreviewSide;

// W x H is the size, or dataLength x dataLength (at most kLargestOwnPlotSide a side) when size.cx
// is 0. None when the record's data
// does not hold both traces, dataLength is not positive, or the bitmap cannot be made.
std::optional<PaletteBitmap> RenderForcePlot(const IBWForcePreview& record, ThumbnailSize size);
