#include "shellext/win/CreatePaletteDib.h"

#include <cstring>
#include <vector>

HBITMAP CreatePaletteDib(const std::optional<PaletteBitmap>& bitmap) {
    if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0) {
        return nullptr;
    }
    const std::size_t bytes =
        static_cast<std::size_t>(bitmap->rowLength) * static_cast<std::size_t>(bitmap->height);
    // A row length other than the DIB's own would shear the picture.
    if (bitmap->rowLength != ((bitmap->width + 3) & ~3) || bitmap->pixels.size() < bytes) {
        return nullptr;
    }
    std::vector<std::uint8_t> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0);
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = bitmap->width;
    header->biHeight = bitmap->height;
    header->biPlanes = 1;
    header->biBitCount = 8;
    header->biCompression = BI_RGB;
    header->biSizeImage = static_cast<DWORD>(bitmap->width) * static_cast<DWORD>(bitmap->height);
    // 0x00RRGGBB in memory order is blue, green, red, zero: an RGBQUAD.
    std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), bitmap->palette.data(), 256 * sizeof(RGBQUAD));

    HDC screen = GetDC(nullptr);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &bits,
                                   nullptr, 0);
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    if (!dib || !bits) {
        if (dib) {
            DeleteObject(dib);
        }
        return nullptr;
    }
    std::memcpy(bits, bitmap->pixels.data(), bytes);
    GdiFlush();
    return dib;
}
