// vistrel-light: starts the viewer on the file named on the command line, or empty; with an
// --export option it runs the batch mode instead and shows no window.
#include "app/QV3DViewer/batch/BatchExport.h"
#include "app/QV3DViewer/batch/BatchOptions.h"
#include "app/QV3DViewer/frame/CQV3DViewerApp.h"
#include "app/QV3DViewer/view/CQV3DViewerView.h"
#include "app/QV3DViewer/view/CViewWindow.h"
#include "render/HeadlessPlatform.h"
#include "render/RenderSurfaceFormat.h"

#include <QSurfaceFormat>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// For the start-up benchmark: the wall-clock time, in microseconds, of the first drawn frame.
void ReportFirstFrame(CViewWindow& window) {
    window.onPaint = [paint = window.onPaint, reported = false]() mutable {
        paint();
        if (!reported) {
            reported = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::fprintf(
                stderr, "first-frame %lld\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
        }
    };
}

// Qt aborts when its platform finds no display; the window needs one, so say so and stop.
bool WindowSystemAnswers() {
    const std::string forgotten = ForgetUnreachableDisplays();
    if (HasWindowSystem() || std::getenv("QT_QPA_PLATFORM") != nullptr) {
        return true;
    }
    const std::string why =
        forgotten.empty() ? "neither DISPLAY nor WAYLAND_DISPLAY is set" : forgotten + " does not answer";
    std::fprintf(stderr, "vistrel-light: no display to open the window on (%s); --export-image needs none\n",
                 why.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QSurfaceFormat::setDefaultFormat(RenderSurfaceFormat(true));

    QStringList raw;
    for (int i = 0; i < argc; ++i) {
        raw << QString::fromLocal8Bit(argv[i]);
    }
    const BatchOptions options = ParseBatchOptions(raw);
    if (options.mode != BatchOptions::gui) {
        return RunBatch(argc, argv, options);
    }

    if (!WindowSystemAnswers()) {
        return 1;
    }
    CQV3DViewerApp app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString file = args.size() > 1 ? args.at(1) : QString();
    if (!app.InitInstance(file)) {
        return 1;
    }
    if (std::getenv("QV_REPORT_FIRST_FRAME") != nullptr) {
        ReportFirstFrame(*app.View()->Window());
    }
    return app.exec();
}
