// What became of values a 32-bit float cannot hold exactly, counted while a wave was read into the
// floats the mesh is made of, and the plain words that tell a user so.
#pragma once

#include <cstdint>
#include <string>

struct IBWPrecisionLoss {
    std::int64_t beyondRange = 0; // 64-bit floats past the 32-bit float range: they show as infinite
    std::int64_t tooSmall = 0;    // non-zero 64-bit floats too small for a 32-bit float: they show as 0
    std::int64_t rounded = 0;     // 32-bit integers past 2^24: they show rounded to a nearby float
    double largestBeyond = 0;     // the largest magnitude among the values past the float range
    double largestRounded = 0;    // the largest magnitude among the rounded integers
};

// One line for a status bar, empty when no value changed.
std::string PrecisionLossText(const IBWPrecisionLoss& loss);
