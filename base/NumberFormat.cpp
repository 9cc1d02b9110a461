#include "base/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

std::string FormatForDecimals(int n) {
    // Negative counts other than -1 would make an invalid printf format; they get the -1 form.
    if (n < 0) {
        return "%0.02f";
    }
    if (n == 0) {
        return "%0.f";
    }
    return "%0.0" + std::to_string(n) + "f";
}

std::string FormatDecimals(double value, int decimals) {
    char text[400];
    // Beyond ten digits before the point (values past the last prefix) the digits a float does
    // not hold would fill the view: four significant ones and a power of ten instead.
    if (std::fabs(value) >= 1e10 && std::isfinite(value)) {
        const std::to_chars_result end =
            std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 3);
        return std::string(text, end.ptr);
    }
    const int precision = decimals < 0 ? 2 : std::min(decimals, 60);
    const std::to_chars_result end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, precision);
    return std::string(text, end.ptr);
}

int DecimalsNeeded(float x) {
    for (int k = 0; k <= 3; ++k) {
        const float frac = std::fabs(x - std::floor(x));
        if (frac < 1e-8) {
            return k;
        }
        x = x * 10.0f;
    }
    return 2;
}

TickStep NiceTickStep(double range) {
    double candidates[3] = {1, 2, 5};
    if (range <= 3) {
        candidates[0] = 0.1;
        candidates[1] = 0.2;
        candidates[2] = 0.5;
    } else if (range > 35) {
        while (7 * candidates[2] < range) {
            for (double& c : candidates) {
                c *= 10;
            }
        }
    }
    TickStep best{candidates[0], 3};
    double bestRemainder = range;
    for (double step : candidates) {
        for (int count = 3; count <= 7; ++count) {
            const double remainder = range - count * step;
            const bool qualifies = remainder >= 0 || std::fabs(remainder) < 0.005 * range;
            if (qualifies && remainder < bestRemainder) {
                bestRemainder = remainder;
                best = {step, count};
            }
        }
    }
    return best;
}

namespace {

// 10^k by repeated squaring in single precision. Beyond +-64 the float result is already 0 or
// infinite, so larger magnitudes are cut there to keep the loop short.
float PowerOfTen(int k) {
    const bool negative = k < 0;
    unsigned e = static_cast<unsigned>(std::min(std::abs(std::max(k, -64)), 64));
    float base = 10.0f;
    float result = 1.0f;
    while (e != 0) {
        if (e & 1u) {
            result *= base;
        }
        base *= base;
        e >>= 1;
    }
    return negative ? 1.0f / result : result;
}

const char* Prefix(int k) {
    switch (k) {
    case -18:
        return "a";
    case -15:
        return "f";
    case -12:
        return "p";
    case -9:
        return "n";
    case -6:
        return "\xB5";
    case -3:
        return "m";
    case 3:
        return "k";
    case 6:
        return "M";
    case 9:
        return "G";
    case 12:
        return "T";
    case 15:
        return "P";
    case 18:
        return "E";
    default:
        return "";
    }
}

} // namespace

float FormatWithSiPrefix(float value, const std::string& unit, std::string& outUnit, int& exponent,
                         bool useGivenExponent) {
    const float sign = value < 0 ? -1.0f : 1.0f;
    const float m = std::fabs(value);
    // Below a thousandth of atto there is no prefix left to show the value with.
    if (m < 1e-21f || std::isnan(value)) {
        outUnit = unit;
        exponent = 1;
        return 0;
    }
    // An infinite value has no power of 1000 (its logarithm would not fit an integer): it is
    // passed through unscaled like a value without unit.
    if (unit.empty() || unit == " " || std::isinf(m)) {
        outUnit = unit;
        exponent = 1;
        return sign * m;
    }
    int k = exponent;
    if (!useGivenExponent) {
        const double l = std::log10(m);
        k = m < 1 ? 3 * static_cast<int>(std::floor((l + 0.5) / 3))
                  : 3 * static_cast<int>(std::ceil((l - 0.5) / 3));
    }
    float d = m / PowerOfTen(k);
    if (!useGivenExponent && d < 1) {
        k -= 3;
        d *= 1000;
    }
    // Beyond the prefixes a scaled value would lose its unit's meaning: the last prefix carries a
    // value outside 1 to 1000 instead.
    if (!useGivenExponent && (k < -18 || k > 18)) {
        k = std::clamp(k, -18, 18);
        d = m / PowerOfTen(k);
    }
    outUnit = Prefix(k) + unit;
    if (!useGivenExponent) {
        exponent = k;
    }
    return sign * d;
}
