// The running viewer as the window tests drive it: one program per test executable, files
// opened into it, and answers to the modal windows its commands bring up.
#pragma once

#include "app/QV3DViewer/frame/CMainFrame.h"
#include "app/QV3DViewer/frame/CQV3DViewerApp.h"

#include "AppTestFiles.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <string>

namespace apptest {

inline CQV3DViewerApp& App() {
    return *static_cast<CQV3DViewerApp*>(QCoreApplication::instance());
}

// The main window is made by the first suite that needs it and kept for the others.
inline void StartViewerOnce() {
    if (App().MainFrame() == nullptr) {
        ASSERT_TRUE(App().InitInstance(QString()));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(App().MainFrame()));
    }
}

// Opens `path` in the viewer and lets its first frames draw.
inline void OpenInViewer(const std::string& path) {
    ASSERT_NE(App().OpenDocumentFile(QString::fromStdString(path)), nullptr);
    QTest::qWait(200);
}

// 64 x 48, two channels: a tilted plane and columns of sin(0.3 i).
inline ibwgen::WaveSpec PlaneSpec() {
    ibwgen::WaveSpec waveSpec = ImageSpec(64, 48, {"HeightRetrace", "AmplitudeRetrace"});
    waveSpec.spacing = {1e-7, 1e-7, 1, 1};
    for (int j = 0; j < 48; ++j) {
        for (int i = 0; i < 64; ++i) {
            waveSpec.values[static_cast<std::size_t>(i + j * 64)] = static_cast<float>((i + j) * 1e-9);
            waveSpec.values[static_cast<std::size_t>(64 * 48 + i + j * 64)] =
                std::sin(static_cast<float>(i) * 0.3f);
        }
    }
    return waveSpec;
}

// Answers the next modal window of type T while a command runs its own event loop; gives up
// (rejecting whatever is modal) after ten seconds so a missing window fails instead of hanging.
template <class T> class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(T&)> answer_) : answer(std::move(answer_)) {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* window = dynamic_cast<T*>(modal)) {
                timer.stop();
                answered = true;
                answer(*window);
            } else if (++ticks > 500) {
                timer.stop();
                if (auto* dialog = dynamic_cast<QDialog*>(modal)) {
                    dialog->reject();
                }
            }
        });
        timer.start(20);
    }
    bool answered = false;

private:
    std::function<void(T&)> answer;
    QTimer timer;
    int ticks = 0;
};

} // namespace apptest
