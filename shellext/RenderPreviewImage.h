// A grey picture from an 8-bit signed preview, at its own size or fitted and centred on white.
#pragma once

#include "shellext/PaletteBitmap.h"

#include <cstdint>
#include <optional>
#include <span>

struct ThumbnailSize {
    std::int32_t cx = 0; // 0: the preview's own size
    std::int32_t cy = 0;
};

// data holds at least width x height values, bottom row first; fewer give none. A size that
// cannot be made (cy not positive, a side beyond 32767) gives the preview at its own size.
std::optional<PaletteBitmap> RenderPreviewImage(std::int32_t width, std::int32_t height,
                                                std::span<const std::int8_t> data, ThumbnailSize size);
