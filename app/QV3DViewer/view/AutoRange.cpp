#include "app/QV3DViewer/view/AutoRange.h"

#include "ibw/CIBWChannel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

DisplayRange AutoRange(const CIBWChannel& channel) {
    const std::int64_t columns = std::max(channel.columns, 0);
    const std::int64_t rows = std::max(channel.rows, 0);
    // Never read past the values the channel really holds.
    const bool readable =
        channel.data != nullptr && columns > 0 && rows > 0 && channel.points >= columns * rows;

    double min = 0;
    double max = 0;
    double mean = 0;
    if (readable) {
        const float* first =
            std::find_if(channel.data, channel.data + columns * rows, [](float v) { return !std::isnan(v); });
        if (first != channel.data + columns * rows) {
            min = max = *first;
        }
        double sumOfRowMeans = 0;
        for (std::int64_t j = 0; j < rows; ++j) {
            const float* row = channel.data + j * columns;
            double sum = 0;
            for (std::int64_t i = 0; i < columns; ++i) {
                const double v = row[i];
                if (std::isnan(v)) {
                    continue;
                }
                sum += v;
                min = std::min(min, v);
                max = std::max(max, v);
            }
            sumOfRowMeans += sum / static_cast<double>(columns);
        }
        mean = sumOfRowMeans / static_cast<double>(rows);
    }

    const double dLow = std::abs(min - mean);
    const double dHigh = std::abs(max - mean);
    const double full = max - min;
    DisplayRange result;
    if (3 * std::min(dLow, dHigh) > full) {
        result.range = static_cast<float>(full);
        result.lower = static_cast<float>(min);
    } else if (dHigh > dLow) {
        result.range = static_cast<float>(2 * dLow);
        result.lower = static_cast<float>(min);
    } else {
        result.range = static_cast<float>(2 * dHigh);
        result.lower = static_cast<float>(max - 2 * dHigh);
    }
    if (result.range == 0) {
        result.range = 1;
        result.lower = -0.5f;
    }
    return result;
}
