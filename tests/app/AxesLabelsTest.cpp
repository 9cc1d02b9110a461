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

// Y ticks take a nice step (the x step where the axes are comparable), stay within the y extent
// and show the decimals of the step they use.
TEST(AxesLabels, YTicksStayWithinTheYExtent) {
    struct Case {
        double x;
        double y;
        int count;
        float labelStep; // label units between y ticks
        int decimals;
    };
    const Case cases[] = {
        {800e-9, 500e-9, 3, 200, 0}, // 0, 200, 400 nm: no 600 nm beyond the edge
        {5e-6, 3.5e-6, 4, 1, 0},     // 0 to 3 µm, not stopping at 2
        {5e-6, 3e-6, 4, 1, 0},       // "1, 2", as x reads, not "1.0, 2.0"
        {2e-6, 10e-6, 6, 2, 0},      // a tall y axis gets its own step instead of 21 ticks
        {10e-6, 6e-6, 4, 2, 0},      // the last tick right at the edge
        {20e-6, 0.5e-6, 1, 0.1f, 1}, // a short y axis keeps its own step
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << " x " << c.y);
        const AxesLabels labels = ComputeAxesLabels(Channel(c.x, c.y, "m"), 1e-8f, 0.0f, 1.0f);
        EXPECT_EQ(labels.y.count, c.count);
        EXPECT_NEAR(labels.y.step * labels.yExtent, c.labelStep, 1e-4 * c.labelStep);
        EXPECT_EQ(labels.y.decimals, c.decimals);
        EXPECT_LE((labels.y.count - 1) * labels.y.step, 1.005f);
    }
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
