#include "ui/LogarithmicScale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

void LogarithmicScale::SetRange(float low, float high, float shiftBy) {
    logLow = low + shiftBy;
    logHigh = high + shiftBy;
    shift = shiftBy;
}

void LogarithmicScale::SetSteps(int n) {
    inverted = n < 0;
    steps = std::abs(n);
}

double LogarithmicScale::StepLog() const {
    return (std::log10(static_cast<double>(logHigh)) - std::log10(static_cast<double>(logLow))) / steps;
}

bool LogarithmicScale::PositionInRange(float x, int& position) const {
    const float shifted = x + shift;
    if (!(shifted >= logLow && shifted <= logHigh)) {
        return false;
    }
    const double k = StepLog();
    const double raw = std::floor(
        (std::log10(static_cast<double>(shifted)) - std::log10(static_cast<double>(logLow))) / k + 0.5);
    // A range that does not start above zero, an empty range or no steps give no usable step: the
    // thumb then rests at the low end instead of an undefined conversion of an infinite position.
    const int p = std::isfinite(raw) ? static_cast<int>(std::clamp(raw, 0.0, static_cast<double>(steps))) : 0;
    position = inverted ? steps - p : p;
    return true;
}

int LogarithmicScale::PositionFor(float x) const {
    int position = 0;
    if (PositionInRange(x, position)) {
        return position;
    }
    const bool below = x + shift < logLow;
    return below == inverted ? steps : 0;
}

float LogarithmicScale::ValueAt(int position) const {
    const int p = inverted ? steps - position : position;
    const double k = steps == 0 ? 0.0 : StepLog();
    return static_cast<float>(std::pow(10.0, std::log10(static_cast<double>(logLow)) + p * k) - shift);
}
