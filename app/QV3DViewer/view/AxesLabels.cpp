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

        const TickStep sy = NiceTickStep(y);
        labels.y.decimals = DecimalsNeeded(static_cast<float>(sy.step));
        if (Usable(y)) {
            if (y / x < 0.5f && sy.step != 0) {
                labels.y.step = static_cast<float>(sy.step / y);
                labels.y.count = TickCount(std::trunc(y * sy.count / x)) + 1;
            } else {
                // Comparable axes: y uses the x step so the grid is square.
                labels.y.step = static_cast<float>(sx.step / y);
                int n = TickCount(std::trunc(sy.count * y / x)) + 1;
                if ((n - 1) * labels.y.step > y) {
                    n = TickCount(std::trunc(y / labels.y.step)) + 1;
                }
                labels.y.count = n;
            }
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
