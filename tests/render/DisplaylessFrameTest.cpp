// A memory context draws the same frame with a display (Qt's context, under Xvfb) and without
// one (EGL's surfaceless platform). The frame without a display comes from
// render_reference_frame, started here with DISPLAY and WAYLAND_DISPLAY removed.
// Tolerance: both run Mesa's software rasteriser, so a channel may differ by rounding only;
// 2 levels, and no more than 0.1 % of the pixels beyond that (an edge pixel may flip).
#include "ReferenceScene.h"

#include "render/HeadlessPlatform.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kLevels = 2;

std::vector<std::uint8_t> FrameWithoutDisplay(const QString& path) {
    QProcess writer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    writer.setProcessEnvironment(environment);
    writer.start(QV_REFERENCE_FRAME, {path});
    if (!writer.waitForFinished(120000) || writer.exitStatus() != QProcess::NormalExit ||
        writer.exitCode() != 0)
        return {};
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DisplaylessFrame, MatchesTheFrameDrawnWithADisplay) {
    if (!HasWindowSystem())
        GTEST_SKIP() << "compares with a frame drawn on a display (run under xvfb-run)";
    const std::vector<std::uint8_t> shown = DrawReferenceScene(kWidth, kHeight);
    ASSERT_FALSE(shown.empty());
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::vector<std::uint8_t> headless = FrameWithoutDisplay(folder.filePath("frame.bmp"));
    ASSERT_EQ(headless.size(), shown.size());
    ASSERT_TRUE(std::equal(shown.begin(), shown.begin() + 54, headless.begin()));

    const std::size_t stride = (kWidth * 3 + 3) / 4 * 4;
    int beyond = 0;
    int worst = 0;
    int lit = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::size_t at = 54 + y * stride + x * 3;
            int pixel = 0;
            for (std::size_t c = 0; c < 3; ++c)
                pixel = std::max(pixel, std::abs(int(shown[at + c]) - int(headless[at + c])));
            beyond += pixel > kLevels;
            worst = std::max(worst, pixel);
            lit += shown[at] + shown[at + 1] + shown[at + 2] > 0;
        }
    }
    EXPECT_LE(beyond, kWidth * kHeight / 1000) << "largest difference " << worst;
    // Something was drawn: the surface, labels and bar cover a good part of the frame.
    EXPECT_GT(lit, kWidth * kHeight / 10);
}

} // namespace
