// The exports' number writer against the C library's "%.Nf" for the same float.
#include "FixedDecimal.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {

std::string Ours(float v, int decimals) {
    char text[64];
    return std::string(text, WriteFixedDecimal(text, text + sizeof text, v, decimals));
}

std::string Printf(float v, int decimals) {
    char text[80];
    std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(v));
    return text;
}

TEST(FixedDecimal, WritesWhatPrintfWrites) {
    // Exact ties (0.0625 at 3 decimals, 1/128 at 6) round to even; -0 and negatives that round to
    // zero keep their sign; values past the integer path and infinities take the general one.
    const float cases[] = {0.0f,
                           -0.0f,
                           1.0f,
                           -5.0f,
                           0.0625f,
                           0.1875f,
                           0.0078125f,
                           -0.0078125f,
                           2.5f,
                           0.5f,
                           -1e-9f,
                           4.9999995f,
                           9.9999999e-4f,
                           123456.789f,
                           999999.94f,
                           1e9f,
                           -3e12f,
                           std::numeric_limits<float>::max(),
                           std::numeric_limits<float>::denorm_min(),
                           std::numeric_limits<float>::infinity()};
    for (const float v : cases)
        for (const int decimals : {0, 1, 3, 6, 9})
            EXPECT_EQ(Ours(v, decimals), Printf(v, decimals)) << v << " at " << decimals;

    // Every exponent a model coordinate or colour can have, many mantissas each.
    std::mt19937 random(7);
    for (int i = 0; i < 200000; ++i) {
        const std::uint32_t bits = (random() & 0x807FFFFFu) | ((100u + random() % 60u) << 23);
        const float v = std::bit_cast<float>(bits);
        const int decimals = i % 2 == 0 ? 6 : 3;
        ASSERT_EQ(Ours(v, decimals), Printf(v, decimals)) << v;
    }
}

} // namespace
