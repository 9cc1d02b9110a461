// The on-screen block for each text flag, its lines and their window positions.
#include "ScreenText.h"

#include "AxesLayout.h"
#include "ColorBarLayout.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>

namespace {

const std::string kHelp = "Onscreen Help:\n"
                          "  Rotate - Left Mouse Drag\n"
                          "  Light Rotate - Right Mouse Drag\n"
                          "  Zoom - Middle Mouse Drag or Ctrl+Left Mouse Drag\n"
                          "  Pan - Shift+Left Mouse Drag\n"
                          "  Stereo eye sep. - Shift+Right Mouse Drag\n"
                          "  Stereo eye foc. - Ctrl+Right Mouse Drag\n"
                          "\n";
const std::string kView = "Rotate: 12.3\xB0\nPitch:  5.0\xB0\nZoom:   1.25\n\n";
const std::string kLight = "Light Rotate: -30.0\xB0\nLight Pitch:  45.5\xB0\n\n";
const std::string kStereo = "Stereo eye sep.: 0.50\nStereo eye foc.: -0.25\n";

ViewState SampleView(int flags) {
    ViewState view;
    view.TextFlags = flags;
    view.Rotate = 12.34f;
    view.Pitch = 5.0f;
    view.Zoom = 1.25f;
    view.LightRotate = -30.0f;
    view.LightPitch = 45.5f;
    view.EyeSeparation = 0.5f;
    view.EyeFocus = -0.25f;
    return view;
}

TEST(ScreenText, BlockHoldsThePiecesOfEachFlagInOrder) {
    const std::pair<int, std::string> cases[] = {
        {0, ""},
        {0x1, kHelp},
        {0x2, kView},
        {0x4, kStereo},
        {0x10, kLight},
        {0x6, kView + kStereo},
        {0x17, kHelp + kView + kLight + kStereo},
        {0x8, ""},
    };
    for (const auto& [flags, expected] : cases) {
        EXPECT_EQ(ComposeOnscreenText(SampleView(flags)), expected) << "flags " << flags;
    }
}

TEST(ScreenText, ViewBlockIsThreeLinesAndAnEmptyOneBelowTheTopLeftCorner) {
    const std::string text = ComposeOnscreenText(SampleView(0x2));
    const std::vector<std::string_view> lines = SplitScreenLines(text);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Rotate: 12.3\xB0");
    EXPECT_EQ(lines[1], "Pitch:  5.0\xB0");
    EXPECT_EQ(lines[2], "Zoom:   1.25");
    EXPECT_EQ(lines[3], "");
    // Courier New 14 in a 600-pixel window, 10 pixels in: lines 21 pixels apart.
    for (int i = 0; i < 4; ++i) {
        const ScreenLinePosition p = ScreenLineOrigin(true, 600, 14, 10, 10, i);
        EXPECT_FLOAT_EQ(p.x, 10);
        EXPECT_FLOAT_EQ(p.y, 576 - 21.0f * i);
    }
    EXPECT_FLOAT_EQ(ScreenLineOrigin(false, 600, 24, 5, 40, 1).y, 4);
}

// Qt puts the process in the user's locale: axis, colour-bar and on-screen numbers keep a point.
TEST(ScreenText, NumbersKeepThePointInACommaLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no de_DE.UTF-8 locale (scripts/install-deps.sh generates it)";
    }
    const std::string block = ComposeOnscreenText(SampleView(0x16));
    const std::string axisLabel = AxisLabelText(4.0f, 2, true, "nm");
    AxesOptions options;
    options.ZLabelRange = 10;
    std::strcpy(options.ZUnitText, "nm");
    const std::vector<std::string> barLabels = ColorBarLabels(options, 5);
    std::setlocale(LC_ALL, previous.c_str());

    EXPECT_EQ(block, kView + kLight + kStereo);
    EXPECT_EQ(axisLabel, "4.00 nm");
    EXPECT_EQ(barLabels, (std::vector<std::string>{"0.0", "2.5", "5.0", "7.5", "10.0 nm"}));
}

TEST(ScreenText, TrailingTextWithoutLineFeedIsTheLastLine) {
    EXPECT_EQ(SplitScreenLines("a\n\nb"), (std::vector<std::string_view>{"a", "", "b"}));
    EXPECT_TRUE(SplitScreenLines("").empty());
}

} // namespace
