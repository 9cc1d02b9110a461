#include "base/NumberFormat.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>

namespace {

TEST(NumberFormat, FormatForDecimals) {
    const std::pair<int, const char*> cases[] = {{-1, "%0.02f"}, {0, "%0.f"},     {1, "%0.01f"},
                                                 {3, "%0.03f"},  {12, "%0.012f"}, {-7, "%0.02f"}};
    for (const auto& [n, format] : cases) {
        EXPECT_EQ(FormatForDecimals(n), format) << n;
    }
    char text[32];
    std::snprintf(text, sizeof text, FormatForDecimals(1).c_str(), 2.5);
    EXPECT_STREQ(text, "2.5");
}

// Qt sets the process locale from the environment; on-screen numbers must keep their point.
TEST(NumberFormat, FormatDecimalsWritesWhatTheFormatWritesWithAPoint) {
    const std::pair<double, int> cases[] = {{4.0, 2},   {2.5, 1},      {-0.25, -1},       {1234.5, 0},
                                            {0.125, 2}, {-0.0, 1},     {9999999999.0, 0}, {7.5, 12},
                                            {-1e-9, 3}, {0.0004999, 3}};
    for (const auto& [value, decimals] : cases) {
        char expected[512];
        std::snprintf(expected, sizeof expected, FormatForDecimals(decimals).c_str(), value);
        EXPECT_EQ(FormatDecimals(value, decimals), expected) << value << " " << decimals;
    }
    // Past the last prefix a float's value would print as 21 digits of noise.
    EXPECT_EQ(FormatDecimals(3.4028235e20, 0), "3.403e+20");
    EXPECT_EQ(FormatDecimals(-1e10, 2), "-1.000e+10");
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no de_DE.UTF-8 locale (scripts/install-deps.sh generates it)";
    }
    const std::string shown = FormatDecimals(4.0, 2);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(shown, "4.00");
}

TEST(NumberFormat, DecimalsNeeded) {
    const std::pair<float, int> cases[] = {{0.25f, 2},
                                           {3.0f, 0},
                                           {0.1f, 1},
                                           {0.1234f, 2},
                                           {0.125f, 3},
                                           {2.5f, 1},
                                           {-0.5f, 1},
                                           {0.0f, 0},
                                           {1e9f, 0},
                                           {0.0005f, 2},
                                           {std::numeric_limits<float>::quiet_NaN(), 2},
                                           {std::numeric_limits<float>::infinity(), 2}};
    for (const auto& [x, decimals] : cases) {
        EXPECT_EQ(DecimalsNeeded(x), decimals) << x;
    }
}

TEST(NumberFormat, NiceTickStep) {
    struct Case {
        double range;
        double step;
        int count;
    };
    const Case cases[] = {
        {10, 2, 5},  {1, 0.2, 5},  {100, 20, 5},    {3, 0.5, 6},
        {36, 10, 3}, {9.98, 2, 5}, // a slightly negative remainder within 0.5 % wins over every positive one
        {0, 0.1, 3}, {-4, 0.1, 3}, {7000, 1000, 7}, {2.4, 0.5, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.range);
        const TickStep t = NiceTickStep(c.range);
        EXPECT_DOUBLE_EQ(t.step, c.step);
        EXPECT_EQ(t.count, c.count);
    }
    EXPECT_EQ(NiceTickStep(std::numeric_limits<double>::infinity()).count, 3);
    EXPECT_EQ(NiceTickStep(std::numeric_limits<double>::quiet_NaN()).count, 3);
}

TEST(NumberFormat, SiPrefixWithComputedExponent) {
    struct Case {
        float value;
        const char* unit;
        float scaled;
        const char* outUnit;
        int exponent;
    };
    const Case cases[] = {
        {0.000002f, "m", 2, "\xB5m", -6},
        {500, "V", 500, "V", 0},
        {5000, "V", 5, "kV", 3},
        {-5000, "V", -5, "kV", 3},
        {0.5f, "V", 500, "mV", -3},
        {3e-9f, "m", 3, "nm", -9},
        {2.5e7f, "Hz", 25, "MHz", 6},
        {-5, "", -5, "", 1},
        {-5, " ", -5, " ", 1},
        {0, "m", 0, "m", 1},
        {1e-13f, "m", 100, "fm", -15},
        {5e-13f, "A", 500, "fA", -15}, // a 0.5 pA current
        {2e-18f, "F", 2, "aF", -18},
        {5e-19f, "F", 0.5f, "aF", -18}, // no prefix below atto: it stays at atto
        {1e22f, "V", 10000, "EV", 18},
        {1e-22f, "m", 0, "m", 1},
        {std::numeric_limits<float>::quiet_NaN(), "m", 0, "m", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        std::string outUnit = "unchanged";
        int exponent = 77;
        EXPECT_FLOAT_EQ(FormatWithSiPrefix(c.value, c.unit, outUnit, exponent, false), c.scaled);
        EXPECT_EQ(outUnit, c.outUnit);
        EXPECT_EQ(exponent, c.exponent);
    }
}

TEST(NumberFormat, SiPrefixWithGivenExponent) {
    std::string outUnit;
    int exponent = 2;
    EXPECT_FLOAT_EQ(FormatWithSiPrefix(500, "V", outUnit, exponent, true), 5);
    EXPECT_EQ(outUnit, "V");
    EXPECT_EQ(exponent, 2);

    exponent = -6;
    EXPECT_FLOAT_EQ(FormatWithSiPrefix(0.0003f, "m", outUnit, exponent, true), 300);
    EXPECT_EQ(outUnit, "\xB5m");

    // A given exponent is not re-balanced, even when the result drops below 1.
    exponent = 3;
    EXPECT_FLOAT_EQ(FormatWithSiPrefix(20, "V", outUnit, exponent, true), 0.02f);
    EXPECT_EQ(outUnit, "kV");

    exponent = 1;
    EXPECT_FLOAT_EQ(FormatWithSiPrefix(-50, "V", outUnit, exponent, true), -5);
    EXPECT_EQ(outUnit, "V");
}

// Stored or computed exponents of any size and infinite values must neither hang nor invoke
// undefined conversions.
TEST(NumberFormat, SiPrefixToleratesExtremeInput) {
    std::string outUnit;
    for (int given : {INT_MIN, INT_MAX, -400, 400}) {
        int exponent = given;
        const float d = FormatWithSiPrefix(5, "m", outUnit, exponent, true);
        EXPECT_EQ(outUnit, "m");
        EXPECT_TRUE(d == 0 || std::isinf(d)) << given;
    }
    int exponent = 0;
    EXPECT_TRUE(std::isinf(
        FormatWithSiPrefix(-std::numeric_limits<float>::infinity(), "m", outUnit, exponent, false)));
    EXPECT_EQ(outUnit, "m");
    EXPECT_EQ(exponent, 1);
    EXPECT_TRUE(
        std::isfinite(FormatWithSiPrefix(std::numeric_limits<float>::max(), "m", outUnit, exponent, false)));
}

} // namespace
