#include "ui/MeasureScale.h"

#include <cmath>

int MeasureScale::PositionFor(float x) const {
    if (x >= maxValue) {
        return steps;
    }
    // A NaN fails both tests; it sits at the low end rather than reaching an undefined conversion.
    if (x <= minValue || std::isnan(x)) {
        return 0;
    }
    const double fraction = (static_cast<double>(x) - minValue) / (static_cast<double>(maxValue) - minValue);
    return static_cast<int>(std::trunc(steps * fraction));
}

float MeasureScale::ValueAt(int position) const {
    // Without steps there is nothing to divide by; the range collapses onto its low end.
    if (steps == 0) {
        return minValue;
    }
    return minValue + (maxValue - minValue) * static_cast<float>(position) / static_cast<float>(steps);
}
