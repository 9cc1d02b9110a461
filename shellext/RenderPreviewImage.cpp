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

} // namespace

std::optional<PaletteBitmap> RenderPreviewRows(std::int32_t width, std::int32_t height,
                                               const PreviewRowReader& rows, ThumbnailSize size) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        return std::nullopt;
    }
    const std::optional<PreviewSampling> plan = PlanPreviewSampling(width, height, size);
    PaletteBitmap target;
    if (!plan || !PaletteBitmap::Create(plan->width, plan->height, PreviewPalette(), &target)) {
        return std::nullopt;
    }
    if (!plan->whole) {
        std::fill(target.pixels.begin(), target.pixels.end(), std::uint8_t{255});
    }
    CRowCache cache(rows, width);
    for (std::int32_t y = plan->height - 1; y >= 0; --y) {
        const std::int32_t source = plan->rows[static_cast<std::size_t>(y)];
        if (source < 0) {
            continue;
        }
        const std::int8_t* row = cache.Row(source);
        std::uint8_t* out =
            target.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(target.rowLength);
        for (std::int32_t x = 0; x < plan->width; ++x) {
            const std::int32_t column = plan->columns[static_cast<std::size_t>(x)];
            if (column >= 0) {
                out[x] = PaletteIndex(row[column]);
            }
        }
    }
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
