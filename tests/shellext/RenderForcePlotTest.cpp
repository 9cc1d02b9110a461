// Force-curve plots: size, margins and scales, the pens and traces shorter than the width.
#include "shellext/RenderForcePlot.h"

#include <gtest/gtest.h>

namespace {

IBWForcePreview Curve(std::int32_t dataLength, std::int32_t extend, std::uint8_t extendValue,
                      std::int32_t retract, std::uint8_t retractValue) {
    IBWForcePreview record;
    record.dataLength = dataLength;
    record.extendLength = extend;
    record.retractLength = retract;
    record.data.assign(static_cast<std::size_t>(extend), extendValue);
    record.data.insert(record.data.end(), static_cast<std::size_t>(retract), retractValue);
    return record;
}

// The palette index at (x, y), y counted from the top as the plot is drawn.
std::uint8_t TopDown(const PaletteBitmap& b, std::int32_t x, std::int32_t y) {
    return b.At(x, b.height - 1 - y);
}

TEST(RenderForcePlot, OwnSizeWithMarginAndScale) {
    auto plot = RenderForcePlot(Curve(100, 100, 255, 100, 0), {0, 0});
    ASSERT_TRUE(plot);
    EXPECT_EQ(plot->width, 100);
    EXPECT_EQ(plot->height, 100);
    EXPECT_EQ(plot->palette[0], 0xFFFFFFu);
    EXPECT_EQ(plot->palette[2], 0xFF0000u);
    EXPECT_EQ(plot->palette[3], 0x0000FFu);
    const float ys = 100.0f / 255.0f * 0.9f;
    const std::int32_t bottom = 5 + static_cast<std::int32_t>(255.0f * ys);
    // 255 lies on y = m = 5, 0 lies 255 x ys lower; the last point, x = 99, is not drawn.
    for (std::int32_t x = 0; x < 99; ++x) {
        EXPECT_EQ(TopDown(*plot, x, 5), 2) << x;
        EXPECT_EQ(TopDown(*plot, x, bottom), 3) << x;
    }
    EXPECT_EQ(TopDown(*plot, 99, 5), 0);
    EXPECT_EQ(TopDown(*plot, 50, 4), 0);
    EXPECT_EQ(TopDown(*plot, 50, 6), 0);
}

TEST(RenderForcePlot, ShortTracesLeaveTheRightPartWhite) {
    auto plot = RenderForcePlot(Curve(100, 40, 128, 30, 10), {50, 60});
    ASSERT_TRUE(plot);
    EXPECT_EQ(plot->width, 50);
    EXPECT_EQ(plot->height, 60);
    bool drawn = false;
    for (std::int32_t y = 0; y < 60; ++y) {
        for (std::int32_t x = 0; x < 50; ++x) {
            if (x >= 20) {
                EXPECT_EQ(TopDown(*plot, x, y), 0) << x << "," << y;
            }
            drawn = drawn || TopDown(*plot, x, y) != 0;
        }
    }
    EXPECT_TRUE(drawn);
}

TEST(RenderForcePlot, RefusesWhatItCannotDraw) {
    IBWForcePreview shortData = Curve(10, 4, 0, 4, 0);
    shortData.data.pop_back();
    EXPECT_FALSE(RenderForcePlot(shortData, {0, 0}));
    EXPECT_FALSE(RenderForcePlot(Curve(0, 4, 0, 4, 0), {10, 10}));
    EXPECT_FALSE(RenderForcePlot(Curve(10, 4, 0, 4, 0), {10, 0}));
    // Far more samples than the width: drawing stops at the right edge.
    auto plot = RenderForcePlot(Curve(1, 100000, 0, 0, 0), {32767, 2});
    ASSERT_TRUE(plot);
}

} // namespace
