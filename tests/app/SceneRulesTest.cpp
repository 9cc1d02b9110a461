#include "app/QV3DViewer/view/AutoRange.h"
#include "app/QV3DViewer/view/ChannelPalette.h"
#include "app/QV3DViewer/view/NoteDisplayRange.h"
#include "ibw/CIBWChannel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

CIBWChannel ChannelOf(const std::vector<float>& values, int columns, int rows) {
    CIBWChannel channel;
    channel.columns = columns;
    channel.rows = rows;
    channel.points = static_cast<int>(values.size());
    channel.data = values.data();
    return channel;
}

TEST(AutoRange, TrimsASingleSpikeAboveTheMean) {
    std::vector<float> values(100 * 100, 0.0f);
    values[5050] = 100.0f;
    const DisplayRange r = AutoRange(ChannelOf(values, 100, 100));
    EXPECT_FLOAT_EQ(r.range, 0.02f);
    EXPECT_FLOAT_EQ(r.lower, 0.0f);
}

TEST(AutoRange, TrimsASingleDipBelowTheMean) {
    std::vector<float> values(100 * 100, 0.0f);
    values[17] = -100.0f;
    const DisplayRange r = AutoRange(ChannelOf(values, 100, 100));
    EXPECT_FLOAT_EQ(r.range, 0.02f);
    EXPECT_FLOAT_EQ(r.lower, -0.02f);
}

TEST(AutoRange, BalancedDataGetsItsFullSpan) {
    // A ramp: the mean lies in the middle, so both ends are kept.
    std::vector<float> values;
    for (int i = 0; i < 40; ++i) {
        values.push_back(static_cast<float>(i % 10));
    }
    const DisplayRange r = AutoRange(ChannelOf(values, 10, 4));
    EXPECT_FLOAT_EQ(r.range, 9.0f);
    EXPECT_FLOAT_EQ(r.lower, 0.0f);
}

TEST(AutoRange, FlatEmptyAndAllNaNChannelsGetTheUnitRange) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<float> constant(9, 7.0f);
    const std::vector<float> allNaN(9, nan);
    for (const auto* values : {&constant, &allNaN}) {
        const DisplayRange r = AutoRange(ChannelOf(*values, 3, 3));
        EXPECT_FLOAT_EQ(r.range, 1.0f);
        EXPECT_FLOAT_EQ(r.lower, -0.5f);
    }
    CIBWChannel empty;
    EXPECT_FLOAT_EQ(AutoRange(empty).range, 1.0f);
}

TEST(AutoRange, NaNValuesAndRowsAreLeftOut) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    // Row means 4 and 1 (the NaN does not count in its row) give the mean 2.5 and the full span.
    const std::vector<float> values = {nan, 4.0f, 1.0f, 1.0f};
    const DisplayRange r = AutoRange(ChannelOf(values, 2, 2));
    EXPECT_FLOAT_EQ(r.range, 3.0f);
    EXPECT_FLOAT_EQ(r.lower, 1.0f);

    // A 0 to 100 ramp in every row of a scan stopped half-way: the NaN rows have no mean, so the
    // range is the ramp's (it was 50, and the upper half saturated).
    std::vector<float> halfScan;
    for (int j = 0; j < 10; ++j) {
        for (int i = 0; i <= 100; ++i) {
            halfScan.push_back(j < 5 ? static_cast<float>(i) : nan);
        }
    }
    const DisplayRange half = AutoRange(ChannelOf(halfScan, 101, 10));
    EXPECT_FLOAT_EQ(half.range, 100.0f);
    EXPECT_FLOAT_EQ(half.lower, 0.0f);
}

TEST(AutoRange, InfiniteValuesAreLeftOutLikeNaN) {
    const float inf = std::numeric_limits<float>::infinity();
    std::vector<float> values;
    for (int k = 0; k < 49; ++k) {
        values.push_back(k % 7 == 3 ? (k % 2 == 0 ? inf : -inf) : static_cast<float>(k % 7));
    }
    const DisplayRange r = AutoRange(ChannelOf(values, 7, 7));
    EXPECT_FLOAT_EQ(r.range, 6.0f);
    EXPECT_FLOAT_EQ(r.lower, 0.0f);
}

// Values near both ends of the float scale: the span is found in double and held to a float.
TEST(AutoRange, ARangeBeyondAFloatIsHeldToTheLargestFloat) {
    const float largest = std::numeric_limits<float>::max();
    const std::vector<float> values = {-largest, largest, -largest, largest};
    const DisplayRange r = AutoRange(ChannelOf(values, 2, 2));
    EXPECT_EQ(r.range, largest);
    EXPECT_FLOAT_EQ(r.lower, -largest / 2);
    EXPECT_TRUE(std::isfinite(r.lower + r.range));
}

TEST(AutoRange, NeverReadsBeyondThePointsItHolds) {
    const std::vector<float> values(6, 1.0f);
    CIBWChannel lying = ChannelOf(values, 100, 100);
    const DisplayRange r = AutoRange(lying);
    EXPECT_FLOAT_EQ(r.range, 1.0f);
    EXPECT_FLOAT_EQ(r.lower, -0.5f);
}

TEST(NoteDisplayRange, OffsetIsTheCentreAndMissingTextsAreZero) {
    const DisplayRange r = NoteDisplayRange("2e-9", "4e-9");
    EXPECT_FLOAT_EQ(r.range, 4e-9f);
    EXPECT_FLOAT_EQ(r.lower, 0.0f);
    const DisplayRange missing = NoteDisplayRange("", "");
    EXPECT_EQ(missing.range, 0.0f);
    EXPECT_EQ(missing.lower, 0.0f);
    EXPECT_DOUBLE_EQ(LeadingDouble("  +1.5e3 nm"), 1500.0);
    EXPECT_DOUBLE_EQ(LeadingDouble("abc"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingDouble("-0.25,7"), -0.25);
}

TEST(ChannelPalette, NoteNamesTheTableOnlyWhenAllowed) {
    const int preferred = 50;
    const int shown = 12;
    EXPECT_EQ(ChooseChannelPalette("Rainbow", true, preferred, shown), 1);
    EXPECT_EQ(ChooseChannelPalette("rainbow", true, preferred, shown), preferred);
    EXPECT_EQ(ChooseChannelPalette("", true, preferred, shown), preferred);
    EXPECT_EQ(ChooseChannelPalette("Rainbow", false, preferred, shown), shown);
}

} // namespace
