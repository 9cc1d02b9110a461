// Turning a surface in a real viewer window under the software renderer, as a person does: for
// the sample and for 1024², 2048² x 4 and 4096² x 4 waves, a 3-second drag of synthetic mouse
// moves (every 8 ms, as a mouse reports), then the release. Reported for each wave, with the
// reduced mesh while moving and without it: frames a second during the drag and the time from
// the release to the full picture; and the time from the start of the program (vistrel-light
// itself) to its first picture, the median of three runs. With QV_BENCH_SCREENSHOTS naming a
// folder, the screen is saved there during each drag and after it, for looking at.
#include "app/QV3DViewer/frame/CQV3DViewerApp.h"
#include "app/QV3DViewer/view/CQV3DViewerView.h"
#include "app/QV3DViewer/view/CViewWindow.h"
#include "bench/BenchRow.h"
#include "bench/FirstFrame.h"
#include "bench/SurfaceWave.h"
#include "render/RenderSurfaceFormat.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QSurfaceFormat>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kDragMs = 3000;
constexpr int kMoveEveryMs = 8;
constexpr int kFirstPictureRuns = 3;

struct Wave {
    std::string label;
    QString path;
};

// Milliseconds from the program's start to its first drawn frame; negative on failure.
double FirstPicture(const QTemporaryDir& dir, const QString& file) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    return MillisecondsToFirstFrame(QStringLiteral(VISTREL_LIGHT), file, env);
}

double MedianFirstPicture(const QTemporaryDir& dir, const QString& file) {
    std::vector<double> times;
    for (int i = 0; i < kFirstPictureRuns; ++i) {
        times.push_back(FirstPicture(dir, file));
    }
    std::sort(times.begin(), times.end());
    return times.front() < 0 ? -1 : times[times.size() / 2];
}

struct DragResult {
    double framesPerSecond = 0;
    double releaseToFullMs = 0;
};

void SendMouse(QWindow* window, QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, window->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

void SaveScreen(const std::string& label, const char* when) {
    const char* folder = std::getenv("QV_BENCH_SCREENSHOTS");
    if (folder == nullptr) {
        return;
    }
    QString name = QString::fromStdString(label).replace(QLatin1Char(' '), QLatin1Char('_'));
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        QStringLiteral("%1/%2-%3.png").arg(QString::fromLocal8Bit(folder), name, QLatin1String(when)));
}

// A left-button drag along a circle around the window's centre, then the release.
DragResult Drag(CQV3DViewerView& view, const std::string& label) {
    CViewWindow* window = view.Window();
    int frames = 0;
    double lastFrameEnd = 0;
    QElapsedTimer clock;
    const auto paint = window->onPaint;
    window->onPaint = [&] {
        paint();
        ++frames;
        lastFrameEnd = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    };
    const QPointF centre(window->width() / 2.0, window->height() / 2.0);
    const double radius = std::min(window->width(), window->height()) / 4.0;
    const auto along = [&](double ms) {
        const double a = ms / 1000.0 * 2.0;
        return centre + QPointF(radius * std::cos(a), radius * std::sin(a)) - QPointF(radius, 0);
    };
    QTest::qWait(300);
    clock.start();
    SendMouse(window, QEvent::MouseButtonPress, along(0), Qt::LeftButton);
    QTimer mover;
    QObject::connect(&mover, &QTimer::timeout, [&] {
        SendMouse(window, QEvent::MouseMove, along(static_cast<double>(clock.elapsed())), Qt::LeftButton);
    });
    mover.start(kMoveEveryMs);
    bool saved = false;
    while (clock.elapsed() < kDragMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!saved && clock.elapsed() > kDragMs / 2) {
            saved = true;
            SaveScreen(label, "moving");
        }
    }
    mover.stop();
    const int dragFrames = frames;
    const double dragEnd = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    SendMouse(window, QEvent::MouseButtonRelease, along(dragEnd), Qt::NoButton);
    const double released = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    // The full picture is the first frame drawn after the release.
    while (frames == dragFrames && clock.elapsed() < dragEnd + 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    window->onPaint = paint;
    SaveScreen(label, "rest");
    return {dragFrames / (dragEnd / 1000.0), std::max(lastFrameEnd - released, 0.0)};
}

DragResult DragWith(CQV3DViewerView& view, bool reduce, const std::string& label) {
    ViewerPreferences prefs = view.Controller().GetPreferences();
    prefs.ReduceWhileMoving = reduce;
    view.Controller().ApplyPreferences(prefs);
    return Drag(view, label + (reduce ? " reduced" : " full"));
}

} // namespace

int main(int argc, char** argv) {
    // The software renderer, as remote desktops and machines without a GPU driver give.
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
    QSurfaceFormat::setDefaultFormat(RenderSurfaceFormat(true));
    const QTemporaryDir dir;
    if (!dir.isValid()) {
        return 1;
    }
    setenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit().constData(), 1);
    CQV3DViewerApp app(argc, argv);
    app.showError = [](const QString&) {};
    if (!app.InitInstance(QString())) {
        return 1;
    }
    const std::vector<Wave> waves = {
        {"sample 512 x 512 x 4", QStringLiteral(QV_SAMPLE_FILE)},
        {"1024 x 1024", WriteSurfaceWave(dir, 1024, 1)},
        {"2048 x 2048 x 4", WriteSurfaceWave(dir, 2048, 4)},
        {"4096 x 4096 x 4", WriteSurfaceWave(dir, 4096, 4)},
    };
    std::printf("interaction in a %dx%d view, software renderer, %d ms drags\n",
                app.View()->Window()->width(), app.View()->Window()->height(), kDragMs);
    for (const Wave& wave : waves) {
        if (app.OpenDocumentFile(wave.path) == nullptr) {
            std::printf("%s: cannot open\n", wave.label.c_str());
            return 1;
        }
        const DragResult full = DragWith(*app.View(), false, wave.label);
        const DragResult reduced = DragWith(*app.View(), true, wave.label);
        const double first = MedianFirstPicture(dir, wave.path);
        std::printf(
            "%-22s full mesh: %5.1f fps, release to picture %6.0f ms | reduced: %5.1f fps, %6.0f ms | "
            "first picture %6.0f ms\n",
            wave.label.c_str(), full.framesPerSecond, full.releaseToFullMs, reduced.framesPerSecond,
            reduced.releaseToFullMs, first);
        PrintBenchRow(
            "frames a second while dragging, " + wave.label, reduced.framesPerSecond, "fps", ">=", 30,
            "without the reduced mesh " + std::to_string(std::lround(full.framesPerSecond)) + " fps");
        PrintBenchRow("release to full picture, " + wave.label, reduced.releaseToFullMs, "ms", "<=", 300, "");
        PrintBenchRow("start to first picture, " + wave.label, first, "ms",
                      wave.label.rfind("4096", 0) == 0 ? "<=" : "-", 500, "median of 3 runs");
    }
    return 0;
}
