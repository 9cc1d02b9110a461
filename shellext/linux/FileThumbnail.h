// A file manager's thumbnail of a file: the first channel's preview or force curve of an IBW file,
// its first channel drawn from the data when it has no preview footer, else the first image's
// thumbnail of a QVDF container, fitted into size x size.
#pragma once

#include "shellext/PaletteBitmap.h"

#include <filesystem>
#include <optional>

std::optional<PaletteBitmap> FileThumbnail(const std::filesystem::path& path, int size);
