#include "shellext/RenderPreviewImage.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

namespace {

constexpr std::int32_t kMaxSide = 32767;

// The one preview row asked for last, read again only when another is wanted.
class CRowCache {
public:
    CRowCache(const PreviewRowReader& rows, std::int32_t width)
        : m_rows(rows), m_values(static_cast<std::size_t>(width)) {}

    const std::int8_t* Row(std::int32_t row) {
        if (row != m_row) {
            m_rows(row, m_values.data());
            m_row = row;
        }
        return m_values.data();
    }

private:
    const PreviewRowReader& m_rows;
    std::vector<std::int8_t> m_values;
    std::int32_t m_row = -1;
};

std::uint8_t PaletteIndex(std::int8_t value) {
    return static_cast<std::uint8_t>(static_cast<std::uint8_t>(value) + 128);
}

ThumbnailSize OwnSize(std::int32_t width, std::int32_t height) {
    if (width <= kLargestOwnPreviewSide && height <= kLargestOwnPreviewSide) {
        return {width, height};
    }
    return FittedSize(width, height, kLargestOwnPreviewSide);
}

// Nearest-neighbour stretch of the whole preview into the rectangle at (left, top), measured from
// the top of the target, clipped to the target.
void StretchInto(CRowCache& rows, std::int32_t width, std::int32_t height, std::int32_t left,
                 std::int32_t top, std::int32_t drawnWidth, std::int32_t drawnHeight, PaletteBitmap* target) {
    if (drawnWidth <= 0 || drawnHeight <= 0) {
        return;
    }
    for (std::int32_t ty = std::max(top, 0); ty < std::min(top + drawnHeight, target->height); ++ty) {
        const std::int64_t fromTop = std::int64_t{ty - top} * height / drawnHeight;
        const std::int8_t* row = rows.Row(height - 1 - static_cast<std::int32_t>(fromTop));
        std::uint8_t* out = target->pixels.data() + static_cast<std::size_t>(target->height - 1 - ty) *
                                                        static_cast<std::size_t>(target->rowLength);
        for (std::int32_t tx = std::max(left, 0); tx < std::min(left + drawnWidth, target->width); ++tx) {
            const std::int64_t sx = std::int64_t{tx - left} * width / drawnWidth;
            out[tx] = PaletteIndex(row[sx]);
        }
    }
}

} // namespace

ThumbnailSize FittedSize(std::int32_t width, std::int32_t height, std::int32_t side) {
    if (width <= 0 || height <= 0 || side <= 0) {
        return {0, 0};
    }
    const float ratio = static_cast<float>(height) / static_cast<float>(width);
    if (height > width) {
        return {std::max(1, static_cast<std::int32_t>(static_cast<float>(side) / ratio)), side};
    }
    return {side, std::max(1, static_cast<std::int32_t>(static_cast<float>(side) * ratio))};
}

std::optional<PaletteBitmap> RenderPreviewRows(std::int32_t width, std::int32_t height,
                                               const PreviewRowReader& rows, ThumbnailSize size) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        return std::nullopt;
    }
    const ThumbnailSize own = OwnSize(width, height);
    ThumbnailSize wanted = size.cx == 0 ? own : size;
    PaletteBitmap target;
    if (!PaletteBitmap::Create(wanted.cx, wanted.cy, PreviewPalette(), &target)) {
        wanted = own;
        if (!PaletteBitmap::Create(wanted.cx, wanted.cy, PreviewPalette(), &target)) {
            return std::nullopt;
        }
    }
    CRowCache cache(rows, width);
    if (wanted.cx == width && wanted.cy == height) {
        for (std::int32_t r = 0; r < height; ++r) {
            const std::int8_t* row = cache.Row(r);
            std::uint8_t* out = target.pixels.data() +
                                static_cast<std::size_t>(r) * static_cast<std::size_t>(target.rowLength);
            for (std::int32_t c = 0; c < width; ++c) {
                out[c] = PaletteIndex(row[c]);
            }
        }
        return target;
    }
    std::fill(target.pixels.begin(), target.pixels.end(), std::uint8_t{255});
    // The fit is taken from the preview's own shape, not from the target's.
    const float ratio = static_cast<float>(height) / static_cast<float>(width);
    std::int32_t drawnWidth = wanted.cx;
    std::int32_t drawnHeight = wanted.cy;
    if (height > width) {
        drawnWidth = static_cast<std::int32_t>(static_cast<float>(wanted.cy) / ratio);
    } else {
        drawnHeight = static_cast<std::int32_t>(static_cast<float>(wanted.cx) * ratio);
    }
    StretchInto(cache, width, height, (wanted.cx - drawnWidth) / 2, (wanted.cy - drawnHeight) / 2, drawnWidth,
                drawnHeight, &target);
    return target;
}

std::optional<PaletteBitmap> RenderPreviewImage(std::int32_t width, std::int32_t height,
                                                std::span<const std::int8_t> data, ThumbnailSize size) {
    // The data must hold the picture before the picture is made: the sizes are only what the file
    // claims.
    if (data.empty() || width <= 0 || height <= 0 ||
        data.size() / static_cast<std::size_t>(width) < static_cast<std::size_t>(height)) {
        return std::nullopt;
    }
    const auto w = static_cast<std::size_t>(width);
    return RenderPreviewRows(
        width, height,
        [&](std::int32_t row, std::int8_t* values) {
            std::memcpy(values, data.data() + static_cast<std::size_t>(row) * w, w);
        },
        size);
}
