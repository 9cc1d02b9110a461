// A grey picture from an 8-bit signed preview, at its own size or fitted and centred on white.
// Only the rows the picture shows are read, one at a time, so a large preview costs no more
// memory than the picture made of it.
#pragma once

#include "shellext/PaletteBitmap.h"
#include "shellext/PreviewSampling.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

// Fills the width values of preview row `row`, row 0 being the bottom one.
using PreviewRowReader = std::function<void(std::int32_t row, std::int8_t* values)>;

// None when a side is not positive or larger than 32767. A size that cannot be made (cy not
// positive, a side beyond 32767) gives the preview at its own size.
std::optional<PaletteBitmap> RenderPreviewRows(std::int32_t width, std::int32_t height,
                                               const PreviewRowReader& rows, ThumbnailSize size);

// The same from data holding at least width x height values, bottom row first; fewer give none.
std::optional<PaletteBitmap> RenderPreviewImage(std::int32_t width, std::int32_t height,
                                                std::span<const std::int8_t> data, ThumbnailSize size);
