#include "shellext/win/CreateArgbDib.h"

#include <cstdint>

HBITMAP CreateArgbDib(const std::optional<PaletteBitmap>& bitmap) {
    if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0 ||
        bitmap->pixels.size() <
            static_cast<std::size_t>(bitmap->rowLength) * static_cast<std::size_t>(bitmap->height)) {
        return nullptr;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bitmap->width;
    info.bmiHeader.biHeight = bitmap->height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib || !bits) {
        if (dib) {
            DeleteObject(dib);
        }
        return nullptr;
    }
    // Both bottom-up, rows of 32-bit pixels need no padding.
    auto* out = static_cast<std::uint32_t*>(bits);
    for (std::int32_t y = 0; y < bitmap->height; ++y) {
        for (std::int32_t x = 0; x < bitmap->width; ++x) {
            // 0x00RRGGBB is the order of a 32-bit DIB pixel's blue, green and red bytes.
            *out++ = bitmap->palette[bitmap->At(x, y)] | 0xFF000000u;
        }
    }
    GdiFlush();
    return dib;
}
