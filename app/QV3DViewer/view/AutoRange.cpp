#include "app/QV3DViewer/view/AutoRange.h"

#include "ibw/CIBWChannel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

DisplayRange AutoRange(const CIBWChannel& channel) {
    const std::int64_t columns = std::max(channel.columns, 0);
    const std::int64_t rows = std::max(channel.rows, 0);
    // Never read past the values the channel really holds.
    const bool readable =
        channel.data != nullptr && columns > 0 && rows > 0 && channel.points >= columns * rows;

    // Only finite values count: NaN marks a point not measured, and an infinite one has no place
    // on a colour scale. A row without any (a scan stopped half-way) has no mean.
    double min = 0;
    double max = 0;
    double mean = 0;
    bool any = false;
    if (readable) {
        double sumOfRowMeans = 0;
        std::int64_t rowsWithValues = 0;
        for (std::int64_t j = 0; j < rows; ++j) {
            const float* row = channel.data + j * columns;
            double sum = 0;
            std::int64_t count = 0;
            for (std::int64_t i = 0; i < columns; ++i) {
                const double v = row[i];
                if (!std::isfinite(v)) {
                    continue;
                }
                if (!any) {
                    min = max = v;
                    any = true;
                }
                sum += v;
                ++count;
                min = std::min(min, v);
                max = std::max(max, v);
            }
            if (count > 0) {
                sumOfRowMeans += sum / static_cast<double>(count);
                ++rowsWithValues;
            }
        }
        if (rowsWithValues > 0) {
            mean = sumOfRowMeans / static_cast<double>(rowsWithValues);
        }
    }

    const double dLow = std::abs(min - mean);
    const double dHigh = std::abs(max - mean);
    const double full = max - min;
    double range = 0;
    double lower = 0;
    if (3 * std::min(dLow, dHigh) > full) {
        range = full;
        lower = min;
    } else if (dHigh > dLow) {
        range = 2 * dLow;
        lower = min;
    } else {
        range = 2 * dHigh;
        lower = max - 2 * dHigh;
    }
    // Values near both ends of the float scale span more than a float holds: the range is held to
    // the largest float about the same centre, so it stays drawable.
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (range > kLargest) {
        lower = lower + range / 2 - kLargest / 2;
        range = kLargest;
    }
    DisplayRange result{static_cast<float>(range), static_cast<float>(lower)};
    if (result.range == 0) {
        result.range = 1;
        result.lower = -0.5f;
    }
    return result;
}
