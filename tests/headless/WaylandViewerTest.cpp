// The viewer on a Wayland display with no X server (no XWayland): Weston's headless backend is the
// compositor; the viewer must choose Qt's Wayland platform itself, draw its first frame and show
// the surface, looked at through the compositor's own screenshot.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

constexpr char kSocket[] = "vistrel-test";

// Waits until `done` holds, polling the event loop of `process`; false after `seconds`.
template <typename Done> bool WaitFor(QProcess& process, int seconds, Done done) {
    for (int i = 0; i < seconds * 10; ++i) {
        if (done())
            return true;
        process.waitForReadyRead(100);
    }
    return done();
}

class WaylandViewer : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("weston").isEmpty())
            GTEST_SKIP() << "Weston is not installed";
        ASSERT_TRUE(runtime.isValid());
        environment.remove("DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.insert("WAYLAND_DISPLAY", kSocket);
        compositor.setProcessEnvironment(environment);
        compositor.setWorkingDirectory(runtime.path());
        compositor.start("weston",
                         {"--backend=headless-backend.so", QStringLiteral("--socket=%1").arg(kSocket),
                          "--width=1024", "--height=768", "--idle-time=0", "--use-pixman", "--debug"});
        ASSERT_TRUE(compositor.waitForStarted());
        const QString socket = runtime.filePath(kSocket);
        ASSERT_TRUE(WaitFor(compositor, 20, [&] { return QFile::exists(socket); })) << "Weston did not start";
    }
    void TearDown() override {
        for (QProcess* process : {&viewer, &compositor}) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished();
        }
    }

    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess compositor;
    QProcess viewer;
};

TEST_F(WaylandViewer, DrawsTheSampleWithoutXWayland) {
    QProcessEnvironment viewerEnvironment = environment;
    viewerEnvironment.insert("QV_REPORT_FIRST_FRAME", "1");
    viewer.setProcessEnvironment(viewerEnvironment);
    viewer.setProcessChannelMode(QProcess::SeparateChannels);
    viewer.start(VISTREL_LIGHT, {QV_SAMPLE});
    QByteArray errors;
    const bool drawn = WaitFor(viewer, 60, [&] {
        errors += viewer.readAllStandardError();
        return errors.contains("first-frame");
    });
    ASSERT_TRUE(drawn) << errors.toStdString();

    // The screenshot tool writes wayland-screenshot-DATE.png into its working folder.
    QProcess shooter;
    shooter.setProcessEnvironment(environment);
    shooter.setWorkingDirectory(runtime.path());
    QThread::msleep(500);
    shooter.start("weston-screenshooter", {});
    ASSERT_TRUE(shooter.waitForFinished(20000));
    const QStringList shots = QDir(runtime.path()).entryList({"wayland-screenshot*.png"});
    ASSERT_EQ(shots.size(), 1);
    const QImage shot(runtime.filePath(shots.first()));
    ASSERT_FALSE(shot.isNull());
    shot.save(QStringLiteral("wayland-viewer.png"));
    // The sample's surface in its default table is orange to purple: warm pixels with little
    // green. The window's chrome and background are grey or white.
    int surface = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb p = shot.pixel(x, y);
            surface += qRed(p) > 120 && qGreen(p) < qRed(p) - 60;
        }
    }
    EXPECT_GT(surface, shot.width() * shot.height() / 20) << "see wayland-viewer.png in the test's folder";
}

} // namespace
