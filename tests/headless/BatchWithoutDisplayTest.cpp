// vistrel-light --export-image with DISPLAY and WAYLAND_DISPLAY removed, or naming displays that
// do not answer: the batch mode starts on Qt's offscreen platform and renders through EGL, and its
// picture matches the one the same command writes on a display (Xvfb in the test run). The
// window, with no display to open on, says so and exits. Tolerance as for the renderer's own
// comparison: 2 levels per channel, at most 0.1 % of the pixels beyond that.
#include "render/HeadlessPlatform.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A display number no server listens on: the case of an ssh, cron or tmux session that outlived
// its desktop.
constexpr char kStaleDisplay[] = ":4097";

enum class Display { shown, none, stale };

QProcessEnvironment Environment(Display display) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (display != Display::shown) {
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
    }
    if (display == Display::stale) {
        environment.insert("DISPLAY", kStaleDisplay);
        environment.insert("WAYLAND_DISPLAY", "wayland-stale");
    }
    return environment;
}

// Runs the export of the sample at 320 x 240 into `out`; true on exit status 0.
bool Export(const QString& out, Display display) {
    QProcess viewer;
    viewer.setProcessEnvironment(Environment(display));
    viewer.start(VISTREL_LIGHT, {"--export-image", out, "--size", "320x240", QV_SAMPLE});
    return viewer.waitForFinished(120000) && viewer.exitStatus() == QProcess::NormalExit &&
           viewer.exitCode() == 0;
}

TEST(BatchWithoutDisplay, AStaleDisplayGivesTheDisplaylessPicture) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(Export(folder.filePath("headless.png"), Display::none));
    ASSERT_TRUE(Export(folder.filePath("stale.png"), Display::stale));
    EXPECT_EQ(QImage(folder.filePath("stale.png")), QImage(folder.filePath("headless.png")));
}

TEST(BatchWithoutDisplay, TheWindowWithoutAReachableDisplaySaysSoAndExits) {
    QProcess viewer;
    viewer.setProcessEnvironment(Environment(Display::stale));
    viewer.start(VISTREL_LIGHT, {QV_SAMPLE});
    ASSERT_TRUE(viewer.waitForFinished(60000));
    EXPECT_EQ(viewer.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(viewer.exitCode(), 1);
    const QString errors = QString::fromLocal8Bit(viewer.readAllStandardError());
    EXPECT_TRUE(
        errors.contains(QStringLiteral("vistrel-light: no display to open the window on (WAYLAND_DISPLAY="
                                       "wayland-stale, DISPLAY=%1 does not answer)")
                            .arg(kStaleDisplay)))
        << errors.toStdString();
}

TEST(BatchWithoutDisplay, WritesThePictureTheDisplayShows) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(Export(folder.filePath("headless.png"), Display::none));
    const QImage headless(folder.filePath("headless.png"));
    ASSERT_EQ(headless.size(), QSize(320, 240));
    if (!HasWindowSystem())
        GTEST_SKIP() << "the comparison needs a display (run under xvfb-run)";

    ASSERT_TRUE(Export(folder.filePath("shown.png"), Display::shown));
    const QImage shown(folder.filePath("shown.png"));
    ASSERT_EQ(shown.size(), headless.size());
    int beyond = 0;
    int worst = 0;
    int drawn = 0;
    const QRgb back = shown.pixel(0, 0);
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb a = shown.pixel(x, y);
            const QRgb b = headless.pixel(x, y);
            const int pixel = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                        std::abs(qBlue(a) - qBlue(b))});
            beyond += pixel > 2;
            worst = std::max(worst, pixel);
            drawn += a != back;
        }
    }
    EXPECT_LE(beyond, shown.width() * shown.height() / 1000) << "largest difference " << worst;
    // The surface covers a good part of the picture, so the match is not two empty frames.
    EXPECT_GT(drawn, shown.width() * shown.height() / 10);
}

} // namespace
