#pragma once

#include <cstdint>
#include <vector>

namespace ibwgen {

// An 8-bit preview of one layer as the instrument stores it: nearest-neighbour samples scaled from
// the layer's finite range to -128..127, NaN as -128, bottom row (data row 0) first.
std::vector<std::int8_t> MakeImagePreview(const float* values, int columns, int rows, int width, int height);

} // namespace ibwgen
