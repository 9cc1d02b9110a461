// Reading back the bitmaps the DLL hands out, and what the portable core draws for the same file.
#pragma once

#include "shellext/PaletteBitmap.h"
#include "shellext/RenderPreviewImage.h"

#include <windows.h>

#include <optional>
#include <string>

// The 8-bit DIB section's size, palette and stored rows, bottom row first; none for another kind
// of bitmap or a top-down one.
std::optional<PaletteBitmap> ReadDib(HBITMAP bitmap);

// The core's picture of the file's channel (an IBW preview, or a .qvdf file's image thumbnail) at
// the size, as the DLL should give it.
std::optional<PaletteBitmap> CorePicture(const std::wstring& path, int channel, ThumbnailSize size);

// Same size, palette and pixels; describes the first difference in *why.
bool SamePicture(const PaletteBitmap& actual, const PaletteBitmap& expected, std::string* why);
