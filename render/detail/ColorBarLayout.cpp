// Colour-bar texture rows, ticks and labels.
#include "ColorBarLayout.h"

#include "AxesLayout.h"
#include "base/NumberFormat.h"

std::vector<std::uint8_t> ColorBarTexels(const std::vector<ColorRGBA>& entries) {
    const auto n = static_cast<long long>(entries.size());
    if (n == 0) {
        return {};
    }
    std::vector<std::uint8_t> texels;
    texels.reserve(kColorBarTextureWidth * kColorBarTextureHeight * 3);
    for (long long r = 0; r < kColorBarTextureHeight; ++r) {
        const ColorRGBA& c = entries[static_cast<std::size_t>(n - 1 - r * n / kColorBarTextureHeight)];
        for (int i = 0; i < kColorBarTextureWidth; ++i) {
            texels.insert(texels.end(), {c.r, c.g, c.b});
        }
    }
    return texels;
}

std::vector<float> ColorBarTickHeights(int tickCount) {
    std::vector<float> heights;
    for (int k = 0; k + 1 < tickCount; ++k) {
        heights.push_back(2.0f * static_cast<float>(k) / static_cast<float>(tickCount - 1) - 1.0f);
    }
    heights.push_back(1.005f);
    return heights;
}

std::vector<std::string> ColorBarLabels(const AxesOptions& options, int tickCount) {
    std::vector<std::string> labels;
    if (tickCount < 2) {
        return labels;
    }
    const float step = options.ZLabelRange / static_cast<float>(tickCount - 1);
    const int decimals = DecimalsNeeded(step);
    const bool absolute = options.ZOptions & kAxesAbsoluteZ;
    const std::string unit = AxisUnitText(options.ZUnitText);
    for (int k = 0; k < tickCount; ++k) {
        const float value = static_cast<float>(k) * step + (absolute ? options.ZLabelOffset : 0.0f);
        labels.push_back(AxisLabelText(value, decimals, k == tickCount - 1, unit));
    }
    return labels;
}
