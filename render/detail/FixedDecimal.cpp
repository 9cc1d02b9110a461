#include "FixedDecimal.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace {
constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr double kLargest = 1e9; // beyond it the scaled value no longer fits the integer path
} // namespace

char* WriteFixedDecimal(char* at, char* end, float v, int decimals) {
    const double magnitude = std::fabs(static_cast<double>(v));
    if (!(magnitude < kLargest) || decimals < 0 || decimals > 9)
        return std::to_chars(at, end, static_cast<double>(v), std::chars_format::fixed, decimals).ptr;
    // A float has 24 significant bits and 10^d at most 21 beyond its powers of two, so the scaled
    // value is exact in a double and rounding it once is what correct rounding of v gives.
    const auto scaled = static_cast<std::uint64_t>(std::nearbyint(magnitude * kPowers[decimals]));
    const auto unit = static_cast<std::uint64_t>(kPowers[decimals]);
    if (std::signbit(v))
        *at++ = '-';
    at = std::to_chars(at, end, scaled / unit).ptr;
    if (decimals == 0)
        return at;
    *at++ = '.';
    std::uint64_t fraction = scaled % unit;
    for (int k = decimals - 1; k >= 0; --k) {
        at[k] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    return at + decimals;
}
