// Heights to table colours across the display range; NaN and infinite heights take the NaN colour.
#include "MeshGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

void ComputeColors(const float* heights, std::size_t count, float zOffset, float zRange, ColorRGBA nanColor,
                   const std::vector<ColorRGBA>& table, float* out) {
    // An empty table has no entry to index: the colours stay as they are.
    if (table.empty())
        return;
    // Each entry as floats once, not four divisions for every point.
    std::vector<std::array<float, kColorFloats>> floats(table.size());
    const auto toFloats = [](ColorRGBA c) {
        return std::array<float, kColorFloats>{c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, c.a / 255.0f};
    };
    std::transform(table.begin(), table.end(), floats.begin(), toFloats);
    const std::array<float, kColorFloats> nan = toFloats(nanColor);
    const float last = static_cast<float>(table.size() - 1);
    for (std::size_t i = 0; i < count; ++i, out += kColorFloats) {
        const float h = heights[i];
        const std::array<float, kColorFloats>* c = &nan;
        // An infinite height has no place on the scale, like a missing one. The difference is
        // taken in double: heights and offset near both ends of the float scale overflow a float.
        if (std::isfinite(h)) {
            auto t = static_cast<float>((static_cast<double>(h) - zOffset) / zRange);
            t = std::isnan(t) ? 0.0f : std::clamp(t, 0.0f, 1.0f);
            c = &floats[static_cast<std::size_t>(t * last)];
        }
        std::copy(c->begin(), c->end(), out);
    }
}
