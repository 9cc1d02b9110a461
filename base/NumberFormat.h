// Number formatting for axis labels, the colour bar and unit fields: tick steps, decimals, printf
// formats and SI prefixes. Texts are Windows-1252 bytes (micro sign 0xB5); convert them with
// Windows1252ToUtf8 before they reach Qt or the screen.
#pragma once

#include <string>

struct TickStep {
    double step = 0; // distance between ticks, in the range's units
    int count = 0;   // number of steps, 3..7
};

// "%0.02f" for -1 (and any other negative count), "%0.f" for 0, "%0.0<n>f" otherwise.
std::string FormatForDecimals(int n);

// The text FormatForDecimals(decimals) makes of value, always with a point: Qt puts the process
// in the user's locale, where printf may write a decimal comma. Decimals beyond 60 are cut there;
// magnitudes of 1e10 and more are written as "%.3e" writes them.
std::string FormatDecimals(double value, int decimals);

// Decimals (0..3) that show x exactly in single precision; 2 when none does.
int DecimalsNeeded(float x);

// A 1-2-5 step that splits `range` into 3 to 7 parts with the smallest remainder.
TickStep NiceTickStep(double range);

// Scales `value` by a power of 1000 and prefixes `unit` accordingly. With useGivenExponent the
// power of ten in `exponent` is used (no prefix unless it is a multiple of 3 within +-18);
// otherwise the chosen exponent, from atto (-18) to exa (18), is stored there. Zero (below
// 1e-21), NaN and unit-less values give exponent 1.
float FormatWithSiPrefix(float value, const std::string& unit, std::string& outUnit, int& exponent,
                         bool useGivenExponent);
