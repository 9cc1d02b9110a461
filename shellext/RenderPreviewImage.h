// A grey picture from an 8-bit signed preview, at its own size or fitted and centred on white.
// Only the rows the picture shows are read, one at a time, so a large preview costs no more
// memory than the picture made of it.
#pragma once

#include "shellext/PaletteBitmap.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

struct ThumbnailSize {
    std::int32_t cx = 0; // 0: the preview's own size
    std::int32_t cy = 0;
};

// A preview's own size is drawn at most this large a side, fitted to its shape: thumbnails end
// there, and a size the file merely claims must not make the bitmap huge.
constexpr std::int32_t kLargestOwnPreviewSide = 1024;

// The size of a width x height picture fitted into a side x side square with its own shape, by
// the arithmetic of the stretch below, so the drawn rectangle covers it exactly.
ThumbnailSize FittedSize(std::int32_t width, std::int32_t height, std::int32_t side);

// Fills the width values of preview row `row`, row 0 being the bottom one.
using PreviewRowReader = std::function<void(std::int32_t row, std::int8_t* values)>;

// None when a side is not positive or larger than 32767. A size that cannot be made (cy not
// positive, a side beyond 32767) gives the preview at its own size.
std::optional<PaletteBitmap> RenderPreviewRows(std::int32_t width, std::int32_t height,
                                               const PreviewRowReader& rows, ThumbnailSize size);

// The same from data holding at least width x height values, bottom row first; fewer give none.
std::optional<PaletteBitmap> RenderPreviewImage(std::int32_t width, std::int32_t height,
                                                std::span<const std::int8_t> data, ThumbnailSize size);
