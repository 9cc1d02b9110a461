// The picture of the channel whose data a preview has loaded, as the thumbnails show it.
#pragma once

#include "shellext/CIBWPreview.h"
#include "shellext/PaletteBitmap.h"
#include "shellext/RenderPreviewImage.h"

#include <optional>

// The loaded image record drawn at the size, or the loaded force curve's plot. None when the
// preview has no footer or the loaded record has no picture.
std::optional<PaletteBitmap> RenderLoadedPreview(const CIBWPreview& preview, ThumbnailSize size);

// The size at which the loaded picture fills a side x side square with its own shape: an image
// preview keeps its aspect, a force plot is square. (0, 0) without a loaded record.
ThumbnailSize FitLoadedPreview(const CIBWPreview& preview, std::int32_t side);
