#include "app/QV3DViewer/view/AxesLabels.h"
#include "ibw/CIBWChannel.h"

#include <gtest/gtest.h>

namespace {

const std::string kMicro = "\xB5";

CIBWChannel Channel(double xExtent, double yExtent, const std::string& zUnit) {
    CIBWChannel channel;
    channel.xExtent = xExtent;
    channel.yExtent = yExtent;
    channel.xUnit = "m";
    channel.yUnit = "m";
    channel.zUnit = zUnit;
    return channel;
}

TEST(AxesLabels, XAndYShareTheLargerPrefix) {
    const AxesLabels labels = ComputeAxesLabels(Channel(2e-05, 5e-07, "m"), 4e-9f, -2e-9f, 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(labels.xExtent, 20.0f);
    EXPECT_EQ(labels.xUnit, kMicro + "m");
    EXPECT_FLOAT_EQ(labels.yExtent, 0.5f);
    EXPECT_EQ(labels.yUnit, kMicro + "m");
    // 20 in steps of 5: ticks 0, 5, 10, 15, 20.
    EXPECT_EQ(labels.x.count, 5);
    EXPECT_FLOAT_EQ(labels.x.step, 0.25f);
    EXPECT_EQ(labels.x.decimals, 0);
    // y is far shorter than x: it keeps its own step 0.1 over 0.5 and draws y x count / x ticks.
    EXPECT_FLOAT_EQ(labels.y.step, 0.2f);
    EXPECT_EQ(labels.y.count, 1);
    EXPECT_EQ(labels.y.decimals, 1);
    // The z lower end uses the range's prefix.
    EXPECT_EQ(labels.zUnit, "nm");
    EXPECT_FLOAT_EQ(labels.zLabelRange, 4.0f);
    EXPECT_FLOAT_EQ(labels.zLabelOffset, -2.0f);
}

TEST(AxesLabels, SquareImageUsesTheXStepOnY) {
    const AxesLabels labels = ComputeAxesLabels(Channel(1e-05, 1e-05, "m"), 1e-8f, 0.0f, 1.0f);
    EXPECT_FLOAT_EQ(labels.xExtent, 10.0f);
    EXPECT_EQ(labels.xUnit, kMicro + "m");
    EXPECT_EQ(labels.x.count, 6);
    EXPECT_FLOAT_EQ(labels.x.step, 0.2f);
    EXPECT_FLOAT_EQ(labels.y.step, 0.2f);
    EXPECT_EQ(labels.y.count, 6);
    // ZScale above 0.5: z ticks from the range, 10 nm in steps of 2.
    EXPECT_EQ(labels.zUnit, "nm");
    EXPECT_EQ(labels.z.count, 6);
    EXPECT_FLOAT_EQ(labels.z.step, 0.2f);
}

TEST(AxesLabels, ZTicksFollowTheVerticalScale) {
    struct Case {
        float zScale;
        int count;
        float step;
    };
    const Case cases[] = {
        {0.05f, 0, 0.5f}, {0.1f, 0, 0.5f}, {0.15f, 2, 1.0f}, {0.3333f, 3, 0.5f}, {0.5f, 3, 0.5f}};
    for (const Case& c : cases) {
        const AxesLabels labels = ComputeAxesLabels(Channel(1e-05, 1e-05, "V"), 2.0f, 0.0f, c.zScale);
        EXPECT_EQ(labels.z.count, c.count) << c.zScale;
        EXPECT_FLOAT_EQ(labels.z.step, c.step) << c.zScale;
    }
}

TEST(AxesLabels, EmptyZUnitStaysEmptyAndUnscaled) {
    // A photon count of 0 to 310: neither metres nor a prefix.
    const AxesLabels labels = ComputeAxesLabels(Channel(1e-05, 1e-05, ""), 310.0f, 0.0f, 1.0f);
    EXPECT_EQ(labels.zUnit, "");
    EXPECT_FLOAT_EQ(labels.zLabelRange, 310.0f);
}

TEST(AxesLabels, DegenerateExtentsGiveNoTicksInsteadOfInfiniteSteps) {
    const AxesLabels labels = ComputeAxesLabels(Channel(0.0, 0.0, "m"), 0.0f, 0.0f, 1.0f);
    EXPECT_EQ(labels.x.count, 0);
    EXPECT_EQ(labels.x.step, 0.0f);
    EXPECT_EQ(labels.y.count, 0);
    EXPECT_EQ(labels.z.count, 0);
    EXPECT_EQ(labels.xUnit, "m");
}

} // namespace
