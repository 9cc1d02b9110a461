#include "shellext/RenderPreviewImage.h"

#include <algorithm>
#include <cstddef>

namespace {

// Nearest-neighbour stretch of the whole source into the rectangle at (left, top), measured
// from the top of the target, clipped to the target.
void StretchInto(const PaletteBitmap& source, std::int32_t left, std::int32_t top, std::int32_t drawnWidth,
                 std::int32_t drawnHeight, PaletteBitmap* target) {
    if (drawnWidth <= 0 || drawnHeight <= 0) {
        return;
    }
    for (std::int32_t ty = std::max(top, 0); ty < std::min(top + drawnHeight, target->height); ++ty) {
        std::int64_t fromTop = std::int64_t{ty - top} * source.height / drawnHeight;
        std::int32_t sourceRow = source.height - 1 - static_cast<std::int32_t>(fromTop);
        std::int32_t targetRow = target->height - 1 - ty;
        for (std::int32_t tx = std::max(left, 0); tx < std::min(left + drawnWidth, target->width); ++tx) {
            std::int64_t sx = std::int64_t{tx - left} * source.width / drawnWidth;
            target->pixels[static_cast<std::size_t>(targetRow) * static_cast<std::size_t>(target->rowLength) +
                           static_cast<std::size_t>(tx)] =
                source.At(static_cast<std::int32_t>(sx), sourceRow);
        }
    }
}

} // namespace

std::optional<PaletteBitmap> RenderPreviewImage(std::int32_t width, std::int32_t height,
                                                std::span<const std::int8_t> data, ThumbnailSize size) {
    // The data must hold the picture before the picture is made: the sizes are only what the file
    // claims.
    if (data.empty() || width <= 0 || height <= 0 ||
        data.size() / static_cast<std::size_t>(width) < static_cast<std::size_t>(height)) {
        return std::nullopt;
    }
    PaletteBitmap preview;
    if (!PaletteBitmap::Create(width, height, PreviewPalette(), &preview)) {
        return std::nullopt;
    }
    const std::size_t w = static_cast<std::size_t>(width);
    for (std::size_t r = 0; r < static_cast<std::size_t>(height); ++r) {
        for (std::size_t c = 0; c < w; ++c) {
            preview.pixels[r * static_cast<std::size_t>(preview.rowLength) + c] =
                static_cast<std::uint8_t>(static_cast<std::uint8_t>(data[r * w + c]) + 128);
        }
    }
    if (size.cx == 0 || (size.cx == width && size.cy == height)) {
        return preview;
    }
    PaletteBitmap target;
    if (!PaletteBitmap::Create(size.cx, size.cy, preview.palette, &target)) {
        return preview;
    }
    std::fill(target.pixels.begin(), target.pixels.end(), std::uint8_t{255});
    float ratio = static_cast<float>(height) / static_cast<float>(width);
    std::int32_t drawnWidth = size.cx;
    std::int32_t drawnHeight = size.cy;
    if (height > width) {
        drawnWidth = static_cast<std::int32_t>(static_cast<float>(size.cy) / ratio);
    } else {
        drawnHeight = static_cast<std::int32_t>(static_cast<float>(size.cx) * ratio);
    }
    StretchInto(preview, (size.cx - drawnWidth) / 2, (size.cy - drawnHeight) / 2, drawnWidth, drawnHeight,
                &target);
    return target;
}
