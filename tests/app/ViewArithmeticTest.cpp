#include "app/QV3DViewer/view/DragViewState.h"
#include "app/QV3DViewer/output/PrintLayout.h"

#include <gtest/gtest.h>

namespace {

ViewState Start() {
    ViewState s;
    s.Rotate = 10;
    s.Pitch = 30;
    s.Zoom = 0.95f;
    return s;
}

TEST(DragViewState, EachButtonAndModifierMovesItsOwnFields) {
    struct Case {
        int button;
        unsigned keys;
        int dx, dy;
        bool changed;
        float ViewState::*field;
        float delta;
        float ViewState::*second;
        float secondDelta;
    };
    const unsigned shift = kKeyShift;
    const unsigned ctrl = kKeyControl;
    const Case cases[] = {
        // 10 right and 20 up: +3 degrees of rotation and +6 of pitch.
        {dragLeft, 0, 10, -20, true, &ViewState::Rotate, 3.0f, &ViewState::Pitch, 6.0f},
        {dragLeft, ctrl, 7, 100, true, &ViewState::Zoom, 3.0f, &ViewState::Rotate, 0.0f},
        {dragLeft, shift, 10, -20, true, &ViewState::PanX, 0.3f, &ViewState::PanY, -0.6f},
        {dragMiddle, shift | ctrl, 5, 100, true, &ViewState::Zoom, 3.0f, &ViewState::Rotate, 0.0f},
        {dragRight, 0, -10, 10, true, &ViewState::LightRotate, -3.0f, &ViewState::LightPitch, -3.0f},
        {dragRight, shift, 50, 100, true, &ViewState::EyeSeparation, 0.5f, &ViewState::EyeFocus, 0.0f},
        {dragRight, ctrl, 50, -100, true, &ViewState::EyeFocus, -0.5f, &ViewState::EyeSeparation, 0.0f},
        {dragLeft, shift | ctrl, 10, 10, false, &ViewState::Rotate, 0.0f, &ViewState::Zoom, 0.0f},
        {dragRight, shift | ctrl, 10, 10, false, &ViewState::LightRotate, 0.0f, &ViewState::EyeFocus, 0.0f},
    };
    for (const Case& c : cases) {
        const ViewState before = Start();
        ViewState s = before;
        EXPECT_EQ(ApplyDrag(s, c.button, c.keys, c.dx, c.dy), c.changed) << c.button << " " << c.keys;
        EXPECT_FLOAT_EQ(s.*c.field - before.*c.field, c.delta) << c.button << " " << c.keys;
        EXPECT_FLOAT_EQ(s.*c.second - before.*c.second, c.secondDelta) << c.button << " " << c.keys;
    }
}

TEST(DragViewState, WheelNotchesZoomByATenthEach) {
    ViewState s = Start();
    ApplyWheel(s, 3.0f);
    EXPECT_FLOAT_EQ(s.Zoom, 0.95f - 0.3f);
    ApplyWheel(s, -0.5f);
    EXPECT_FLOAT_EQ(s.Zoom, 0.95f - 0.3f + 0.05f);
}

TEST(PrintLayout, PortraitPageGetsALandscapeArea) {
    const PrintLayout print = ComputePrintLayout(4800, 6600, 100, 100, false);
    EXPECT_EQ(print.imageWidth, 4700);
    EXPECT_EQ(print.imageHeight, 3390);
    EXPECT_EQ(print.printRect.right, 4700);
    EXPECT_EQ(print.printRect.bottom, 3390);
    EXPECT_EQ(print.drawRect.left, 100);
    EXPECT_EQ(print.drawRect.right, 4800);
    const PrintLayout preview = ComputePrintLayout(4800, 6600, 100, 100, true);
    EXPECT_EQ(preview.imageWidth, 2350);
    EXPECT_EQ(preview.imageHeight, 1695);
    EXPECT_EQ(preview.printRect.bottom, 3390);
}

TEST(PrintLayout, LandscapePageKeepsItsHeightAndBadOffsetsGiveNothing) {
    const PrintLayout landscape = ComputePrintLayout(6600, 4800, 50, 80, false);
    EXPECT_EQ(landscape.imageWidth, 6550);
    EXPECT_EQ(landscape.imageHeight, 4720);
    const PrintLayout broken = ComputePrintLayout(100, 200, 300, 300, false);
    EXPECT_EQ(broken.imageWidth, 0);
    EXPECT_EQ(broken.imageHeight, 0);
}

} // namespace
