// The program started once for the control-bar and preferences tests, with an image of three
// channels opened before each test.
#pragma once

#include "app/QV3DViewer/frame/CMainFrame.h"
#include "app/QV3DViewer/frame/CQV3DViewerApp.h"
#include "app/QV3DViewer/view/CQV3DViewerView.h"
#include "tests/support/PreferenceFields.h"
#include "ui/ViewerPreferences.h"

#include "ViewerSession.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace apptest {

// 32 x 24 points over 3.2 x 2.4 um: a height plane rising 1 nm per column, an amplitude ripple (in
// metres, by its name) and a phase (in degrees), so the aspect rule meets equal and different units.
inline ibwgen::WaveSpec ThreeChannelSpec() {
    ibwgen::WaveSpec waveSpec = ImageSpec(32, 24, {"HeightRetrace", "AmplitudeRetrace", "PhaseRetrace"});
    waveSpec.spacing = {1e-7, 1e-7, 1, 1};
    for (int j = 0; j < 24; ++j) {
        for (int i = 0; i < 32; ++i) {
            const auto at = static_cast<std::size_t>(i + j * 32);
            waveSpec.values[at] = static_cast<float>(i) * 1e-9f;
            waveSpec.values[32 * 24 + at] = static_cast<float>((i + j) % 5) * 1e-10f;
            waveSpec.values[2 * 32 * 24 + at] = static_cast<float>(j) * 2.0f;
        }
    }
    return waveSpec;
}

using preftest::Fields;

// Runs `answer` on the first modal window to appear while `run` runs.
inline void WithModal(const std::function<void()>& run, const std::function<void(QWidget*)>& answer) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll.stop();
            answer(modal);
        }
    });
    poll.start(20);
    run();
}

class ViewerFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartViewerOnce(); }
    void SetUp() override {
        CurrentPreferences = DefaultPreferences;
        file = std::make_unique<TempFile>(ThreeChannelSpec());
        ASSERT_NE(App().OpenDocumentFile(QString::fromStdString(file->path())), nullptr);
        // Each test starts from the defaults, whatever the one before set on the working copy.
        Controller().ApplyPreferences(DefaultPreferences);
        App().View()->OnChannel(0);
    }
    static ViewController& Controller() { return App().View()->Controller(); }
    static CMainFrame& Frame() { return *App().MainFrame(); }

    std::unique_ptr<TempFile> file;
};

} // namespace apptest
