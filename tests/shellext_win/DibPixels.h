// Reading back the bitmaps the DLL hands out, and what the portable core draws for the same file.
#pragma once

#include "shellext/PaletteBitmap.h"
#include "shellext/RenderPreviewImage.h"

#include <windows.h>

#include <optional>
#include <cstdint>
#include <string>
#include <vector>

// The 8-bit DIB section's size, palette and stored rows, bottom row first; none for another kind
// of bitmap or a top-down one.
std::optional<PaletteBitmap> ReadDib(HBITMAP bitmap);

// A 32-bit DIB section's pixels (0xAARRGGBB), bottom row first; none for another kind of bitmap.
struct ArgbPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};
std::optional<ArgbPixels> ReadArgbDib(HBITMAP bitmap);

// The 8-bit picture's colours as 32-bit pixels with the alpha byte 255.
ArgbPixels ToArgb(const PaletteBitmap& picture);

// The core's picture of the file's channel (an IBW preview, or a .qvdf file's image thumbnail) at
// the size, as the DLL should give it.
std::optional<PaletteBitmap> CorePicture(const std::wstring& path, int channel, ThumbnailSize size);

// A picture the fixture writer saved as the Linux thumbnailer drew it (FixtureSet.h); none when
// the file is missing or short.
std::optional<PaletteBitmap> ReadLinuxThumbnail(const std::wstring& path);

// Same size, palette and pixels; describes the first difference in *why.
bool SamePicture(const PaletteBitmap& actual, const PaletteBitmap& expected, std::string* why);
