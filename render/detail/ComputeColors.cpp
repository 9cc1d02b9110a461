// Heights to table colours across the display range; NaN heights take the NaN colour.
#include "render/detail/MeshGeometry.h"

#include <algorithm>
#include <cmath>

void ComputeColors(const float* heights, std::size_t count, float zOffset, float zRange, ColorRGBA nanColor,
                   const std::vector<ColorRGBA>& table, float* out) {
    // An empty table has no entry to index: the colours stay as they are.
    if (table.empty())
        return;
    const float last = static_cast<float>(table.size() - 1);
    for (std::size_t i = 0; i < count; ++i, out += kColorFloats) {
        const float h = heights[i];
        ColorRGBA c = nanColor;
        if (!std::isnan(h)) {
            float t = (h - zOffset) / zRange;
            t = std::isnan(t) ? 0.0f : std::clamp(t, 0.0f, 1.0f);
            c = table[static_cast<std::size_t>(t * last)];
        }
        out[0] = c.r / 255.0f;
        out[1] = c.g / 255.0f;
        out[2] = c.b / 255.0f;
        out[3] = c.a / 255.0f;
    }
}
