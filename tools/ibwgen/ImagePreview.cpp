#include "tools/ibwgen/ImagePreview.h"

#include <cmath>
#include <limits>

namespace ibwgen {

std::vector<std::int8_t> MakeImagePreview(const float* values, int columns, int rows, int width, int height) {
    std::vector<std::int8_t> pixels(static_cast<std::size_t>(width) * height, -128);
    if (columns <= 0 || rows <= 0) {
        return pixels;
    }
    float low = std::numeric_limits<float>::max();
    float high = std::numeric_limits<float>::lowest();
    for (std::size_t i = 0; i < static_cast<std::size_t>(columns) * rows; ++i) {
        if (std::isfinite(values[i])) {
            low = std::min(low, values[i]);
            high = std::max(high, values[i]);
        }
    }
    double span = high > low ? double{high} - low : 1.0;
    for (int y = 0; y < height; ++y) {
        int j = static_cast<int>(static_cast<long long>(y) * rows / height);
        for (int x = 0; x < width; ++x) {
            int i = static_cast<int>(static_cast<long long>(x) * columns / width);
            float v = values[i + static_cast<std::size_t>(j) * columns];
            if (std::isfinite(v)) {
                double level = std::floor((v - low) / span * 255.0 + 0.5) - 128.0;
                pixels[static_cast<std::size_t>(y) * width + x] = static_cast<std::int8_t>(level);
            }
        }
    }
    return pixels;
}

} // namespace ibwgen
