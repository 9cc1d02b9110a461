// Axis lines, ticks, labels and the bounding box for known ranges, and the automatic label colour.
#include "AxesLayout.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

AxesOptions Labelled(std::uint16_t flags) {
    AxesOptions options;
    options.Flags = flags;
    options.XTickCount = 6;
    options.XTickStep = 0.2f;
    options.XDecimals = 0;
    std::strcpy(options.XUnitText, "\xB5m");
    options.YTickCount = 3;
    options.YTickStep = 0.5f;
    options.YDecimals = 1;
    std::strcpy(options.YUnitText, "\xB5m");
    options.ZTickCount = 5;
    options.ZTickStep = 0.25f;
    options.ZLabelRange = 100;
    options.ZLabelOffset = -50;
    options.ZDecimals = 1;
    std::strcpy(options.ZUnitText, "nm");
    return options;
}

// A grid 10 by 5 label units (E = 0.5) at the default height H = 10 / 3.
MeshParams UnitGrid() {
    MeshParams params;
    params.XExtent = 10;
    params.YExtent = 5;
    return params;
}

std::vector<std::string> Texts(const AxesLayout& layout) {
    std::vector<std::string> texts;
    for (const AxisLabel& label : layout.labels) {
        texts.push_back(label.text);
    }
    return texts;
}

TEST(AxesLayout, XAxisHasItsLineAndTicksAlongTheFrontEdge) {
    const AxesLayout layout = ComputeAxesLayout(Labelled(AxesXAxis), UnitGrid());
    ASSERT_EQ(layout.lines.size(), 7u);
    EXPECT_FLOAT_EQ(layout.lines[0].from.x, -5);
    EXPECT_FLOAT_EQ(layout.lines[0].to.x, 5);
    EXPECT_FLOAT_EQ(layout.lines[0].to.y, -2.5f);
    const AxisSegment& last = layout.lines[6];
    EXPECT_FLOAT_EQ(last.from.x, 5);
    EXPECT_FLOAT_EQ(last.from.y, -2.5f);
    EXPECT_FLOAT_EQ(last.to.y, -2.25f); // a tick of 0.25 pointing into the grid
    EXPECT_TRUE(layout.labels.empty());
    EXPECT_TRUE(layout.loops.empty());
}

TEST(AxesLayout, LabelsReadTheValuesWithTheUnitOnTheLast) {
    const AxesLayout layout =
        ComputeAxesLayout(Labelled(AxesXLabels | AxesYLabels | AxesZLabels), UnitGrid());
    EXPECT_EQ(Texts(layout), (std::vector<std::string>{"0", "2", "4", "6", "8", "10 \xB5m", "0.0", "2.5",
                                                       "5.0 \xB5m", "25.0", "50.0", "75.0", "100.0 nm"}));
    const AxisLabel& x0 = layout.labels[0];
    EXPECT_FLOAT_EQ(x0.position.x, -5);
    EXPECT_FLOAT_EQ(x0.position.y, -2.5f - 0.875f);
    const AxisLabel& y2 = layout.labels[8];
    EXPECT_FLOAT_EQ(y2.position.x, -5.875f);
    EXPECT_FLOAT_EQ(y2.position.y, 2.5f);
    // The z labels stand outside the back-left corner, away from the grid diagonal.
    const AxisLabel& zTop = layout.labels.back();
    EXPECT_LT(zTop.position.x, -5);
    EXPECT_GT(zTop.position.y, 2.5f);
    EXPECT_FLOAT_EQ(zTop.position.z, 10.0f / 3.0f);
}

TEST(AxesLayout, AbsoluteZLabelsStartAtTheOffsetAndKeepTheFoot) {
    AxesOptions options = Labelled(AxesZLabels);
    options.ZOptions = kAxesAbsoluteZ;
    EXPECT_EQ(Texts(ComputeAxesLayout(options, UnitGrid())),
              (std::vector<std::string>{"-50.0", "-25.0", "0.0", "25.0", "50.0 nm"}));
}

TEST(AxesLayout, OppositeEdgesRepeatTheXAndYAxes) {
    const AxesLayout layout =
        ComputeAxesLayout(Labelled(AxesXAxis | AxesYAxis | AxesXLabels | AxesOppositeEdges), UnitGrid());
    ASSERT_EQ(layout.lines.size(), 2u * 7u + 2u * 4u);
    EXPECT_FLOAT_EQ(layout.lines[7].from.y, 2.5f); // the repeated x axis at the back
    EXPECT_FLOAT_EQ(layout.lines[13].to.y, 2.75f); // its ticks point the same way
    ASSERT_EQ(layout.labels.size(), 12u);
    EXPECT_FLOAT_EQ(layout.labels[1].position.y, 2.5f + 0.875f);
    EXPECT_EQ(layout.labels[1].text, layout.labels[0].text);
}

TEST(AxesLayout, BoundingBoxIsFourLoopsJustAboveTheTop) {
    const AxesLayout layout = ComputeAxesLayout(Labelled(AxesBoundingBox), UnitGrid());
    ASSERT_EQ(layout.loops.size(), 4u);
    EXPECT_FLOAT_EQ(layout.loops[0][2].z, 0);
    EXPECT_FLOAT_EQ(layout.loops[1][0].z, 10.0f / 3.0f + 0.01f);
    for (const AxisPoint& p : layout.loops[2]) {
        EXPECT_FLOAT_EQ(p.x, -5);
    }
    for (const AxisPoint& p : layout.loops[3]) {
        EXPECT_FLOAT_EQ(p.x, 5);
    }
}

TEST(AxesLayout, NonPositiveStepsStartAtTheFarEnd) {
    AxesOptions options = Labelled(AxesXAxis);
    options.XTickStep = 0;
    const AxesLayout layout = ComputeAxesLayout(options, UnitGrid());
    EXPECT_FLOAT_EQ(layout.lines[1].from.x, 5);
}

TEST(AxesLayout, UnitTextsNeedNoTerminator) {
    AxesOptions options;
    std::memcpy(options.XUnitText, "12345678", 8);
    EXPECT_EQ(AxisUnitText(options.XUnitText), "12345678");
    EXPECT_EQ(AxisUnitText(Labelled(0).ZUnitText), "nm");
}

TEST(AxesLayout, AutomaticLabelColourContrastsWithTheBackground) {
    const std::pair<ColorRGBA, std::uint8_t> cases[] = {
        {{0, 0, 0, 255}, 255},     {{255, 255, 255, 255}, 0}, {{128, 128, 128, 255}, 255},
        {{129, 129, 129, 255}, 0}, {{0, 0, 255, 255}, 255},   {{0, 230, 0, 255}, 0},
    };
    for (const auto& [back, expected] : cases) {
        const ColorRGBA c = AutomaticLabelColor(back);
        EXPECT_EQ(c, (ColorRGBA{expected, expected, expected, 255})) << int(back.r) << "," << int(back.g);
    }
}

} // namespace
