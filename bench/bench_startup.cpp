// Start-up of the viewer, timed on the program itself under the software renderer: process start
// to the first drawn frame for the sample and for a 2048 x 2048 x 4 wave, and a batch export of
// a 1600 x 1200 PNG of the sample. Each figure is the median of five runs.
#include "bench/FirstFrame.h"
#include "bench/SurfaceWave.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;

QProcessEnvironment Environment(const QTemporaryDir& dir) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("LIBGL_ALWAYS_SOFTWARE"), QStringLiteral("1"));
    return env;
}

double FirstFrame(const QTemporaryDir& dir, const QString& file) {
    return MillisecondsToFirstFrame(QStringLiteral(VISTREL_LIGHT), file, Environment(dir));
}

// Milliseconds of one whole batch run; negative on failure.
double BatchExport(const QTemporaryDir& dir, const QString& file) {
    QProcess process;
    process.setProcessEnvironment(Environment(dir));
    const auto start = std::chrono::steady_clock::now();
    process.start(QStringLiteral(VISTREL_LIGHT),
                  {QStringLiteral("--export-image"), dir.filePath(QStringLiteral("batch.png")),
                   QStringLiteral("--size"), QStringLiteral("1600x1200"), file});
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        return -1;
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void Report(const char* what, double (*run)(const QTemporaryDir&, const QString&), const QTemporaryDir& dir,
            const QString& file) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const double ms = run(dir, file);
        if (ms < 0) {
            std::printf("%-48s failed\n", what);
            return;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-48s median %7.0f ms   min %7.0f ms   max %7.0f ms\n", what, times[kRuns / 2],
                times.front(), times.back());
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    const QTemporaryDir dir;
    if (!dir.isValid()) {
        return 1;
    }
    const QString sample = QStringLiteral(QV_SAMPLE_FILE);
    const QString large = WriteSurfaceWave(dir, 2048, 4);
    std::printf("vistrel-light start-up, software renderer, %d runs each\n", kRuns);
    Report("start to first frame, sample (512 x 512 x 4)", FirstFrame, dir, sample);
    Report("start to first frame, 2048 x 2048 x 4", FirstFrame, dir, large);
    Report("batch --export-image 1600x1200 PNG, sample", BatchExport, dir, sample);
    return 0;
}
