// GL-free half of the colour bar: its 8 x 256 RGB texture from a colour table, the heights of its
// ticks and the texts of its labels.
#pragma once

#include "render/AxesOptions.h"
#include "base/ColorRGBA.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int kColorBarTextureWidth = 8;
inline constexpr int kColorBarTextureHeight = 256;

// Row r holds entry n - 1 - floor(r * n / 256), so row 0 shows the last entry; empty without entries.
std::vector<std::uint8_t> ColorBarTexels(const std::vector<ColorRGBA>& entries);

// Tick heights along the bar's axis (from -1 at the foot): 2k / (n - 1) - 1 for k < n - 1, then 1.005.
std::vector<float> ColorBarTickHeights(int tickCount);

// The n label texts from the foot up, with the decimals the label step needs and the z unit last.
std::vector<std::string> ColorBarLabels(const AxesOptions& options, int tickCount);
