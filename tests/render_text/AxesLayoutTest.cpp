// Axis lines, ticks, labels and the bounding box for known ranges, and the automatic label colour.
#include "AxesLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

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

// The model-view matrix of the default camera (16 units away, 60 degrees above the grid, looking at
// its centre) turned by `rotate` about z, column-major.
std::array<float, 16> CameraModelView(float rotate) {
    const double elevation = 60 * std::numbers::pi / 180;
    const double eye[3] = {0, -16 * std::cos(elevation), 16 * std::sin(elevation)};
    // Rows of the camera frame: right (x), up and backwards (from the centre to the eye).
    const double right[3] = {1, 0, 0};
    const double back[3] = {eye[0] / 16, eye[1] / 16, eye[2] / 16};
    const double up[3] = {0, back[2], -back[1]};
    const double* rows[3] = {right, up, back};
    const double r = rotate * std::numbers::pi / 180;
    const double c = std::cos(r);
    const double s = std::sin(r);
    std::array<float, 16> m{};
    for (int i = 0; i < 3; ++i) {
        const double* row = rows[i];
        m[0 + i] = static_cast<float>(row[0] * c + row[1] * s);
        m[4 + i] = static_cast<float>(-row[0] * s + row[1] * c);
        m[8 + i] = static_cast<float>(row[2]);
        m[12 + i] = static_cast<float>(-(row[0] * eye[0] + row[1] * eye[1] + row[2] * eye[2]));
    }
    m[15] = 1;
    return m;
}

struct OnScreen {
    float dx = 0; // from the tick to the label, in units of the focal length
    float dy = 0;
    float size = 0; // the label's scale over its depth
};

OnScreen Seen(const std::array<float, 16>& m, AxisPoint tick, const AxisLabel& label) {
    const auto project = [&](AxisPoint p, float& x, float& y) {
        const float depth = -(m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]);
        x = (m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12]) / depth;
        y = (m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13]) / depth;
        return depth;
    };
    float tx = 0;
    float ty = 0;
    float lx = 0;
    float ly = 0;
    project(tick, tx, ty);
    const float depth = project(label.position, lx, ly);
    return {lx - tx, ly - ty, label.scale / depth};
}

// Turned to the front, the z axis's corner comes near the camera: its labels must still sit beside
// their ticks in the size they have at rotation 0 (they used to be about 30 pixels off and larger).
TEST(AxesLayout, ZLabelsLookTheSameFromEverySide) {
    const AxesOptions options = Labelled(AxesZLabels);
    const MeshParams grid = UnitGrid();
    const auto seen = [&](float rotate) {
        AxesEye eye;
        eye.modelView = CameraModelView(rotate);
        eye.rotate = rotate;
        const AxesLayout layout = ComputeAxesLayout(options, grid, &eye);
        std::vector<OnScreen> labels;
        for (std::size_t i = 0; i < layout.labels.size(); ++i) {
            // The z ticks of this record stand at the back-left corner, a quarter of H apart.
            const AxisPoint tick{-5, 2.5f, 10.0f / 3.0f * 0.25f * static_cast<float>(i + 1)};
            labels.push_back(Seen(eye.modelView, tick, layout.labels[i]));
        }
        return labels;
    };
    // Half a pixel of a view 600 pixels high: a 45 degree field has 724 pixels of focal length.
    constexpr float kHalfPixel = 0.5f / 724;
    const std::vector<OnScreen> atZero = seen(0);
    ASSERT_EQ(atZero.size(), 4u);
    for (const float rotate : {90.0f, 180.0f, 270.0f}) {
        const std::vector<OnScreen> turned = seen(rotate);
        ASSERT_EQ(turned.size(), atZero.size());
        for (std::size_t i = 0; i < turned.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "rotate " << rotate << ", label " << i);
            EXPECT_NEAR(turned[i].dx, atZero[i].dx, kHalfPixel);
            EXPECT_NEAR(turned[i].dy, atZero[i].dy, kHalfPixel);
            EXPECT_NEAR(turned[i].size, atZero[i].size, 0.001f * atZero[i].size);
        }
    }
    // Without perspective the size does not change with the distance.
    AxesEye flat;
    flat.modelView = CameraModelView(180);
    flat.rotate = 180;
    flat.perspective = false;
    for (const AxisLabel& label : ComputeAxesLayout(options, grid, &flat).labels) {
        EXPECT_FLOAT_EQ(label.scale, 1);
    }
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
