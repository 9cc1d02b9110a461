// Started with a file it cannot show, the viewer comes up empty with the reason in a box over its
// window; chosen later, the file gets the same box and leaves the open image alone. Both boxes are
// saved for a person to look at.
#include "app/QV3DViewer/frame/CChannelBar.h"
#include "app/QV3DViewer/frame/CChannelBarCombo.h"
#include "app/QV3DViewer/frame/CommandIds.h"

#include "ViewerSession.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>

namespace {

using apptest::App;

// Keeps the text of the message box that comes up while `run` runs, after saving the screen
// with the box on it as `shot`.
QString AnswerBox(const std::function<void()>& run, const QString& shot) {
    QString text;
    apptest::ModalAnswer<QMessageBox> answer([&](QMessageBox& box) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&box));
        QTest::qWait(300);
        QDir().mkpath(QV_SCREENSHOT_DIR);
        QGuiApplication::primaryScreen()->grabWindow(0).save(QString(QV_SCREENSHOT_DIR) + "/" + shot);
        text = box.text();
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        box.accept();
    });
    run();
    EXPECT_TRUE(answer.answered);
    return text;
}

TEST(Startup, AFileThatCannotBeShownBringsTheWindowUpEmptyWithWhy) {
    ibwgen::WaveSpec text = apptest::ImageSpec(4, 4, {"Height"});
    text.type = 0; // a text wave
    text.values.clear();
    text.rawData.assign(16, 'a');
    text.dims = {16, 0, 0, 0};
    text.dimLabels[2].clear();
    const apptest::TempFile rejected(text, "_text.ibw");
    const QString path = QString::fromStdString(rejected.path());
    const QString expected = path + "\nCannot show this file: it holds a text wave.";

    bool started = false;
    EXPECT_EQ(AnswerBox([&] { started = App().InitInstance(path); }, "failed-open-at-startup.png"), expected);
    ASSERT_TRUE(started);
    EXPECT_TRUE(App().MainFrame()->isVisible());
    EXPECT_EQ(App().MainFrame()->windowTitle(), "Untitled - Vistrel Light");
    EXPECT_EQ(App().MainFrame()->ChannelBar()->ChannelList()->count(), 0);

    // Chosen later, over an open image, the file leaves that image and its title as they were.
    const apptest::TempFile image(apptest::PlaneSpec(), "_plane.ibw");
    ASSERT_NE(App().OpenDocumentFile(QString::fromStdString(image.path())), nullptr);
    QTest::qWait(200);
    const QString title = App().MainFrame()->windowTitle();
    const QString fromMenu = AnswerBox(
        [&] {
            apptest::ModalAnswer<QFileDialog> choose([&](QFileDialog& dialog) {
                dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
                static_cast<QDialog&>(dialog).accept(); // the file dialog's own accept, with its checks
            });
            App().MainFrame()->OnCommand(cmd::FileOpen);
        },
        "failed-open-from-file-open.png");
    EXPECT_EQ(fromMenu, expected);
    EXPECT_EQ(App().MainFrame()->windowTitle(), title);
    EXPECT_EQ(App().MainFrame()->ChannelBar()->ChannelList()->count(), 2);
}

} // namespace
