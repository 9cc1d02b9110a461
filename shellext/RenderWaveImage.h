// A grey picture of a wave's first channel drawn from its data: the values the thumbnail samples
// are read where they lie, row by sampled row, and drawn from black at their minimum to white at
// their maximum; NaN and infinities are white.
#pragma once

#include "shellext/CByteSource.h"
#include "shellext/PaletteBitmap.h"
#include "shellext/PreviewSampling.h"
#include "shellext/ShellWaveImage.h"

#include <optional>

// The picture at the size (cx 0: the channel's own size, at most kLargestOwnPreviewSide a side),
// placed as a footer preview of the same shape would be. The range is that of the values sampled,
// so a large wave costs only what its thumbnail shows.
std::optional<PaletteBitmap> RenderWaveImage(CByteSource& source, const ShellWaveImage& image,
                                             ThumbnailSize size);
