#include "ui/PreferenceText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(PreferenceText, FormatsFloatsWithFiveDecimals) {
    EXPECT_EQ(FormatPreferenceFloat(0.5f), "0.50000");
    EXPECT_EQ(FormatPreferenceFloat(0.3333f), "0.33330");
    EXPECT_EQ(FormatPreferenceFloat(0.95f), "0.95000");
    EXPECT_EQ(FormatPreferenceFloat(-2.0f), "-2.00000");
    EXPECT_EQ(FormatPreferenceFloat(123456.0f), "123456.00000");
    EXPECT_EQ(FormatPreferenceFloat(0.000004f), "0.00000");
}

TEST(PreferenceText, ParsesTheLeadingNumberLikeAtof) {
    const float inf = std::numeric_limits<float>::infinity();
    const std::pair<const char*, float> cases[] = {
        {"0.33330", 0.3333f}, {"  1.5e2xyz", 150.0f}, {"-0.25", -0.25f}, {"+3", 3.0f},
        {".5", 0.5f},         {"abc", 0.0f},          {"", 0.0f},        {"--1", 0.0f},
        {"-", 0.0f},          {"0x1p3", 8.0f},        {"0x", 0.0f},      {"1e400", inf},
        {"-1e400", -inf},     {"1e-400", 0},          {"1e39", inf},     {"INF", inf},
        {"7,5", 7.0f},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_FLOAT_EQ(ParsePreferenceFloat(text), value) << '"' << text << '"';
    }
    EXPECT_TRUE(std::isnan(ParsePreferenceFloat("nan")));
}

TEST(PreferenceText, Colours) {
    EXPECT_EQ(FormatPreferenceColor({0, 176, 0, 255}), "0x00B000");
    EXPECT_EQ(FormatPreferenceColor({255, 171, 1, 0}), "0xFFAB01");
    struct Case {
        const char* text;
        ColorRGBA colour;
    };
    const Case cases[] = {
        {"0xFFFFFF", {255, 255, 255, 0}},
        {"FF8000", {255, 128, 0, 0}},
        {"0x12345678", {0x34, 0x56, 0x78, 0}},
        {"ab", {0, 0, 0xAB, 0}},
        {"  0X00b000", {0, 176, 0, 0}},
        {"xyz", {0, 0, 0, 0}},
        {"", {0, 0, 0, 0}},
        {"-1", {255, 255, 255, 0}},
        {"123456789ABCDEF0123", {0xEF, 0x01, 0x23, 0}},
        {"0xG1", {0, 0, 0, 0}},
        {"12 34", {0, 0, 0x12, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(ParsePreferenceColor(c.text) == c.colour) << '"' << c.text << '"';
    }
}

} // namespace
