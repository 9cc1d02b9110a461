#include "app/QV3DViewer/view/AxesLabels.h"

#include "ibw/CIBWChannel.h"
#include "base/NumberFormat.h"

#include <cmath>

namespace {

// FormatWithSiPrefix reports exponent 1 for values it could not scale (zero, NaN, no unit);
// such an axis is treated as unscaled rather than as a power of ten.
constexpr int kUnscaled = 1;

bool Usable(float span) {
    return std::isfinite(span) && span > 0;
}

// A tick count from a float quotient, kept within what the axes record can hold.
int TickCount(double n) {
    if (!std::isfinite(n) || n < 0) {
        return 0;
    }
    return n > 1000 ? 1000 : static_cast<int>(n);
}

// NiceTickStep splits a span into at most this many steps.
constexpr int kMostSteps = 7;

// Whole steps that fit into a span, the last allowed to end within 0.5 % beyond it as with
// NiceTickStep, so every tick stays on the axis.
int StepsWithin(float span, double step) {
    return TickCount(std::floor(span * 1.005 / step));
}

std::string PrefixedUnit(const std::string& unit, int exponent) {
    std::string out;
    int k = exponent;
    FormatWithSiPrefix(1.0f, unit, out, k, true);
    return out;
}

} // namespace

AxesLabels ComputeAxesLabels(const CIBWChannel& channel, float zRange, float zOffset, float zScale) {
    AxesLabels labels;
    // An empty z unit (a count) stays empty: a length unit would mislabel it.
    const std::string& zUnit = channel.zUnit;

    int ex = 1;
    float x = FormatWithSiPrefix(static_cast<float>(channel.xExtent), channel.xUnit, labels.xUnit, ex, false);
    int ey = 1;
    float y = 0;
    if (ex != 0) {
        y = FormatWithSiPrefix(static_cast<float>(channel.yExtent), channel.yUnit, labels.yUnit, ey, false);
    } else {
        ey = 0;
        y = FormatWithSiPrefix(static_cast<float>(channel.yExtent), channel.yUnit, labels.yUnit, ey, true);
    }
    if (ex != kUnscaled && ey != kUnscaled) {
        if (ex > ey) {
            y /= std::pow(10.0f, static_cast<float>(ex - ey));
            ey = ex;
            labels.yUnit = PrefixedUnit(channel.yUnit, ey);
        } else if (ex < ey) {
            x /= std::pow(10.0f, static_cast<float>(ey - ex));
            ex = ey;
            labels.xUnit = PrefixedUnit(channel.xUnit, ex);
        }
    }

    int ez = 1;
    const float zr = FormatWithSiPrefix(zRange, zUnit, labels.zUnit, ez, false);
    std::string lowerUnit;
    float zl = zOffset;
    if (ez != kUnscaled) {
        zl = FormatWithSiPrefix(zOffset, zUnit, lowerUnit, ez, true);
    }

    if (Usable(x)) {
        const TickStep sx = NiceTickStep(x);
        labels.x = {sx.count + 1, static_cast<float>(sx.step / x),
                    DecimalsNeeded(static_cast<float>(sx.step))};

        if (Usable(y)) {
            const TickStep sy = NiceTickStep(y);
            double step = sy.step;
            int count = 0;
            if (y / x < 0.5f) {
                // A short y axis keeps its own step, with ticks in proportion to its length.
                count = TickCount(std::trunc(y * sy.count / x)) + 1;
            } else {
                // Comparable axes: y uses the x step so the grid is square, unless that would
                // crowd a tall y axis with more steps than a nice step ever makes.
                if (StepsWithin(y, sx.step) <= kMostSteps) {
                    step = sx.step;
                }
                count = StepsWithin(y, step) + 1;
            }
            // Decimals from the step the labels really use, so y reads like x.
            labels.y = {count, static_cast<float>(step / y), DecimalsNeeded(static_cast<float>(step))};
        }
    }

    if (zScale > 0.5f) {
        if (Usable(zr)) {
            const TickStep sz = NiceTickStep(zr);
            labels.z.count = sz.count + 1;
            labels.z.step = static_cast<float>(sz.step / zr);
        }
    } else if (zScale > 0.1f && zScale < 0.2f) {
        labels.z.count = 2;
        labels.z.step = 1.0f;
    } else if (zScale <= 0.1f) {
        labels.z.count = 0;
        labels.z.step = 0.5f;
    } else {
        labels.z.count = 3;
        labels.z.step = 0.5f;
    }
    labels.z.decimals = DecimalsNeeded(labels.z.step * zr);
    labels.zLabelRange = zr;
    labels.zLabelOffset = zl;
    labels.xExtent = x;
    labels.yExtent = y;
    return labels;
}
