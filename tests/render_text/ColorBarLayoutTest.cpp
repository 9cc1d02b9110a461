// Colour-bar texture rows, tick heights and labels.
#include "ColorBarLayout.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<ColorRGBA> Ramp(int n) {
    std::vector<ColorRGBA> entries;
    for (int i = 0; i < n; ++i) {
        entries.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 7, 255});
    }
    return entries;
}

std::uint8_t RowRed(const std::vector<std::uint8_t>& texels, int row, int column) {
    return texels[(row * kColorBarTextureWidth + column) * 3];
}

TEST(ColorBarLayout, RowsRunFromTheLastEntryDown) {
    const std::vector<std::uint8_t> texels = ColorBarTexels(Ramp(256));
    ASSERT_EQ(texels.size(), 8u * 256u * 3u);
    for (int r = 0; r < 256; ++r) {
        for (int column = 0; column < 8; ++column) {
            ASSERT_EQ(RowRed(texels, r, column), 255 - r) << r;
        }
    }
    EXPECT_EQ(texels[1], 0);
    EXPECT_EQ(texels[2], 7);
}

TEST(ColorBarLayout, ShortTablesStretchOverTheRows) {
    const std::vector<std::uint8_t> texels = ColorBarTexels(Ramp(3));
    const std::pair<int, int> rows[] = {{0, 2}, {85, 2}, {86, 1}, {170, 1}, {171, 0}, {255, 0}};
    for (const auto& [row, entry] : rows) {
        EXPECT_EQ(RowRed(texels, row, 0), entry) << row;
    }
    EXPECT_TRUE(ColorBarTexels({}).empty());
}

TEST(ColorBarLayout, TicksAndLabelsForFiveTicksOverTen) {
    const std::vector<float> heights = ColorBarTickHeights(5);
    ASSERT_EQ(heights.size(), 5u);
    EXPECT_FLOAT_EQ(heights[0], -1);
    EXPECT_FLOAT_EQ(heights[1], -0.5f);
    EXPECT_FLOAT_EQ(heights[3], 0.5f);
    EXPECT_FLOAT_EQ(heights[4], 1.005f);

    AxesOptions options;
    options.ZLabelRange = 10;
    std::strcpy(options.ZUnitText, "V");
    EXPECT_EQ(ColorBarLabels(options, 5), (std::vector<std::string>{"0.0", "2.5", "5.0", "7.5", "10.0 V"}));
    options.ZOptions = kAxesAbsoluteZ;
    options.ZLabelOffset = -2;
    options.ZLabelRange = 4;
    EXPECT_EQ(ColorBarLabels(options, 3), (std::vector<std::string>{"-2", "0", "2 V"}));
    EXPECT_TRUE(ColorBarLabels(options, 1).empty());
}

} // namespace
