// The thumbnail of an IBW file, as the Linux thumbnailer and Explorer's thumbnail handlers draw
// it: the preview footer's picture of the first channel or force curve when the file has a footer,
// else a picture drawn from the data of the wave's first channel.
#pragma once

#include "shellext/CIBWPreview.h"
#include "shellext/PaletteBitmap.h"
#include "shellext/PreviewSampling.h"

#include <cstdint>
#include <optional>

// The preview must have been loaded for channel 0 (CIBWPreview::Load); without a footer its
// source is read for the wave's data. None when neither gives a picture.
std::optional<PaletteBitmap> RenderFirstChannel(const CIBWPreview& preview, ThumbnailSize size);

// The size at which that picture fills a side x side square with its own shape; (0, 0) when there
// is none.
ThumbnailSize FitFirstChannel(const CIBWPreview& preview, std::int32_t side);
