// Writes a palettised bitmap as an 8-bit indexed PNG, top row first as PNG stores it.
#pragma once

#include "shellext/PaletteBitmap.h"

#include <string>

bool WritePalettePng(const PaletteBitmap& bitmap, const std::string& path);
