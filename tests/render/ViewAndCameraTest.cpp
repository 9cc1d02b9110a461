// View-record limits, the mono eye and the stereo numbers.
#include "Camera.h"
#include "ViewStateLimits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(LimitViewState, Clamps) {
    struct Case {
        float zoom, pitch, separation, focus;
        float zoomOut, pitchOut, separationOut, focusOut;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {0.05f, -30.0f, 3.0f, -2.0f, 0.1f, 330.0f, 2.5f, -1.0f},
        {2.0f, 725.0f, -1.0f, 0.5f, 2.0f, 5.0f, -1.0f, 0.5f},
        {1.0f, 360.0f, nan, nan, 1.0f, 360.0f, -1.0f, -1.0f},
    };
    for (const Case& c : cases) {
        ViewState s;
        s.Zoom = c.zoom;
        s.Pitch = c.pitch;
        s.EyeSeparation = c.separation;
        s.EyeFocus = c.focus;
        s.Rotate = 1234.0f;
        s.ColorbarTicks = 40;
        const ViewState out = LimitViewState(s, false);
        EXPECT_FLOAT_EQ(out.Zoom, c.zoomOut);
        EXPECT_FLOAT_EQ(out.Pitch, c.pitchOut);
        EXPECT_FLOAT_EQ(out.EyeSeparation, c.separationOut);
        EXPECT_FLOAT_EQ(out.EyeFocus, c.focusOut);
        EXPECT_FLOAT_EQ(out.Rotate, 1234.0f);
        EXPECT_EQ(out.ColorbarTicks, 40);
        EXPECT_EQ(LimitViewState(s, true).ColorbarTicks, 15);
    }
}

TEST(Camera, MonoEyeAndStereoNumbers) {
    ViewState s;
    s.Pitch = 90.0f;
    MonoEye eye = ComputeMonoEye(s);
    EXPECT_NEAR(eye.Eye.y, -16.0f, 1e-4f);
    EXPECT_NEAR(eye.Eye.z, 0.0f, 1e-4f);
    EXPECT_FLOAT_EQ(eye.Up.y, -1.0f);

    s.Pitch = 0.0f; // straight down onto the surface
    eye = ComputeMonoEye(s);
    EXPECT_NEAR(eye.Eye.z, 16.0f, 1e-4f);
    EXPECT_FLOAT_EQ(eye.Up.y, 1.0f);

    s.EyeSeparation = -1.0f;
    s.EyeFocus = 0.0f;
    const StereoEyes eyes = ComputeStereoEyes(s);
    EXPECT_FLOAT_EQ(eyes.FocalLength, 16.0f);
    EXPECT_FLOAT_EQ(eyes.Separation, 0.8f);
    EXPECT_FLOAT_EQ(eyes.Shift, 0.5f * 0.8f * 0.1f / 16.0f);
    EXPECT_NEAR(eyes.HalfHeight, 0.1f * std::tan(22.5f * 3.1415927f / 180.0f), 1e-7f);
}
