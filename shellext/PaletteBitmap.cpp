#include "shellext/PaletteBitmap.h"

namespace {

constexpr std::int32_t kMaxSide = 32767;

} // namespace

bool PaletteBitmap::Create(std::int32_t width, std::int32_t height,
                           const std::array<std::uint32_t, 256>& palette, PaletteBitmap* out) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        return false;
    }
    PaletteBitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.rowLength = (width + 3) / 4 * 4;
    bitmap.palette = palette;
    bitmap.pixels.assign(static_cast<std::size_t>(bitmap.rowLength) * static_cast<std::size_t>(height), 0);
    *out = std::move(bitmap);
    return true;
}

std::array<std::uint32_t, 256> PreviewPalette() {
    std::array<std::uint32_t, 256> palette{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        palette[i] = i << 16 | i << 8 | i;
    }
    return palette;
}
