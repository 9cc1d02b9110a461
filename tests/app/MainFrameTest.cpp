#include "app/QV3DViewer/frame/CChannelBar.h"
#include "app/QV3DViewer/frame/CChannelBarCombo.h"
#include "app/QV3DViewer/frame/CMainFrame.h"
#include "app/QV3DViewer/frame/CQV3DViewerApp.h"
#include "app/QV3DViewer/document/CQV3DViewerDoc.h"
#include "app/QV3DViewer/frame/CommandIds.h"
#include "app/QV3DViewer/controls/CViewControls.h"
#include "app/QV3DViewer/output/ViewExport.h"
#include "app/QV3DViewer/view/CQV3DViewerView.h"
#include "ibw/CIBWChannel.h"
#include "ui/CUnitEdit.h"

#include "ViewerSession.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QDockWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace {

// The program, started once, empty, as with no file on the command line.
CQV3DViewerApp& App() {
    auto& app = *static_cast<CQV3DViewerApp*>(QCoreApplication::instance());
    if (app.MainFrame() == nullptr) {
        EXPECT_TRUE(app.InitInstance(QString()));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(app.MainFrame()));
    }
    return app;
}

CMainFrame& Frame() {
    return *App().MainFrame();
}

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

QMenu* TopMenu(const QString& title) {
    for (QAction* action : Frame().menuBar()->actions()) {
        if (action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

// Answers the message box that comes up while it lives and keeps its text.
class BoxWatcher {
public:
    BoxWatcher() {
        QObject::connect(&timer, &QTimer::timeout, [this] { Check(); });
        timer.start(50);
    }
    QString text;

private:
    void Check() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box != nullptr && box->isVisible()) {
                text = box->text();
                box->done(QMessageBox::Ok);
            }
        }
    }
    QTimer timer;
};

QString OpenAndWatch(const QString& path, bool& opened) {
    BoxWatcher watcher;
    opened = App().OpenDocumentFile(path) != nullptr;
    QTest::qWait(300);
    return watcher.text;
}

TEST(MainFrame, MenusCarryTheirExactTexts) {
    Frame();
    QStringList tops;
    for (QAction* action : Frame().menuBar()->actions()) {
        tops << action->text();
    }
    EXPECT_EQ(tops, (QStringList{"&File", "&Edit", "&View", "&Image", "&Help"}));
    EXPECT_EQ(MenuTexts(TopMenu("&File")).mid(0, 6),
              (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "-", "&Print...\tCtrl+P", "Print Pre&view",
                           "P&rint Setup..."}));
    EXPECT_EQ(MenuTexts(TopMenu("&File")).last(), "E&xit");
    EXPECT_EQ(MenuTexts(TopMenu("&Edit")),
              (QStringList{"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V"}));
    EXPECT_EQ(MenuTexts(TopMenu("&View")), (QStringList{"&Toolbar", "&Status Bar", "&Control Bar\tCtrl+T",
                                                        "-", "&On Screen Help", "P&references...\tCtrl+R"}));
    EXPECT_EQ(MenuTexts(TopMenu("&Image")),
              (QStringList{"Export...\tCtrl+E", "ASCII Export...\tCtrl+A", "STL Export...\tCtrl+S",
                           "VRML Export...\tCtrl+V", "-", "Note...\tCtrl+N"}));
    EXPECT_EQ(MenuTexts(TopMenu("&Help")), QStringList{"&About Vistrel Light..."});
    EXPECT_EQ(Frame().MenuAction(cmd::ControlBar)->statusTip(), "Toggle the state of the control bar.");
    EXPECT_EQ(Frame().MenuAction(cmd::FileOpen)->statusTip(), "Open an existing document");
    // Commands without a handler are disabled.
    EXPECT_FALSE(Frame().MenuAction(cmd::EditUndo)->isEnabled());
    EXPECT_TRUE(Frame().MenuAction(cmd::FileOpen)->isEnabled());
}

TEST(MainFrame, TheAcceleratorTableDecidesTheKeys) {
    CMainFrame& frame = Frame();
    std::vector<int> sent;
    for (int command : {cmd::ImageNote, cmd::StlExport, cmd::AsciiExport, cmd::VrmlExport}) {
        frame.SetHandler(command, {[&sent, command] { sent.push_back(command); }, {}});
    }
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    for (Qt::Key key : {Qt::Key_N, Qt::Key_S, Qt::Key_A, Qt::Key_V}) {
        QTest::keyClick(&frame, key, Qt::ControlModifier);
    }
    EXPECT_EQ(sent, std::vector<int>{cmd::ImageNote});
    frame.MenuAction(cmd::StlExport)->trigger();
    EXPECT_EQ(sent, (std::vector<int>{cmd::ImageNote, cmd::StlExport}));
    for (int command : {cmd::ImageNote, cmd::StlExport, cmd::AsciiExport, cmd::VrmlExport}) {
        frame.SetHandler(command, {[] {}, {}});
    }
}

TEST(MainFrame, CtrlTTogglesTheControlBarAndItsCheckMark) {
    CMainFrame& frame = Frame();
    frame.ShowControlBar(false);
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(frame.ControlBar()->isVisible());
    EXPECT_TRUE(frame.MenuAction(cmd::ControlBar)->isChecked());
    QTest::keyClick(&frame, Qt::Key_T, Qt::ControlModifier);
    EXPECT_FALSE(frame.ControlBar()->isVisible());
    EXPECT_FALSE(frame.MenuAction(cmd::ControlBar)->isChecked());
}

TEST(MainFrame, ToolbarPicturesUnderABareIconTheme) {
    const QStringList searchPaths = QIcon::themeSearchPaths();
    const QString theme = QIcon::themeName();
    QIcon::setThemeSearchPaths({});
    QIcon::setThemeName(QString());
    CMainFrame frame;
    std::map<int, QImage> pictures;
    for (QAction* action : frame.StandardToolBar()->actions()) {
        if (!action->isSeparator()) {
            pictures[action->data().toInt()] = action->icon().pixmap(QSize(16, 15)).toImage();
        }
    }
    const auto standard = [&frame](QStyle::StandardPixmap which) {
        return frame.style()->standardIcon(which).pixmap(QSize(16, 15)).toImage();
    };
    ASSERT_EQ(pictures.size(), 8u);
    // Not a floppy disk for Print, nor a bin for Cut; and no two buttons alike.
    EXPECT_NE(pictures[cmd::Print], standard(QStyle::SP_DriveFDIcon));
    EXPECT_NE(pictures[cmd::Print], standard(QStyle::SP_DialogSaveButton));
    EXPECT_NE(pictures[cmd::EditCut], standard(QStyle::SP_DialogDiscardButton));
    for (auto a = pictures.begin(); a != pictures.end(); ++a) {
        EXPECT_FALSE(a->second.isNull()) << a->first;
        for (auto b = std::next(a); b != pictures.end(); ++b) {
            EXPECT_NE(a->second, b->second) << a->first << " and " << b->first;
        }
    }
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QDir().mkpath(QV_SCREENSHOT_DIR);
    frame.StandardToolBar()
        ->grab()
        .scaled(frame.StandardToolBar()->size() * 3)
        .save(QV_SCREENSHOT_DIR "/toolbar-bare-theme.png");
    QIcon::setThemeSearchPaths(searchPaths);
    QIcon::setThemeName(theme);
}

TEST(MainFrame, TheStatusBarShowsNoKeyStateItCannotRead) {
    for (QLabel* pane : Frame().statusBar()->findChildren<QLabel*>()) {
        EXPECT_FALSE(QStringList({"CAP", "NUM", "SCRL"}).contains(pane->text()))
            << pane->text().toStdString();
    }
}

TEST(MainFrame, ColourTableListStartsOnThePreferredTable) {
    CChannelBarCombo* list = Frame().ChannelBar()->PaletteList();
    EXPECT_EQ(list->count(), 79);
    EXPECT_EQ(list->currentText(), "VioletOrangeYellow");
    EXPECT_EQ(list->currentIndex(), 50);
}

TEST(Application, OpensSetsTheTitleAndFillsTheChannelList) {
    const apptest::TempFile file(
        apptest::ImageSpec(8, 6, {"HeightRetrace", "AmplitudeRetrace", "PhaseRetrace"}));
    bool opened = false;
    EXPECT_TRUE(OpenAndWatch(QString::fromStdString(file.path()), opened).isEmpty());
    ASSERT_TRUE(opened);
    const QString name = QString::fromStdString(std::filesystem::path(file.path()).filename().string());
    EXPECT_EQ(Frame().windowTitle(), name + " - Vistrel Light");
    CChannelBarCombo* channels = Frame().ChannelBar()->ChannelList();
    ASSERT_EQ(channels->count(), 3);
    EXPECT_EQ(channels->itemText(2), "PhaseRetrace");
    EXPECT_EQ(channels->currentIndex(), 0);

    CViewControls& bar = *Frame().ViewControls();
    auto* overlays = static_cast<QComboBox*>(bar.Control(CViewControls::IdOverlayChannel));
    EXPECT_EQ(overlays->count(), 3);
    App().OnFileNew();
    EXPECT_EQ(Frame().windowTitle(), "Untitled - Vistrel Light");
    // Nothing is shown, and neither bar offers the last file's channels or values.
    EXPECT_EQ(channels->count(), 0);
    EXPECT_EQ(overlays->count(), 0);
    EXPECT_TRUE(static_cast<CUnitEdit*>(bar.Control(CViewControls::IdMainRange))->text().isEmpty());
    EXPECT_FALSE(static_cast<QCheckBox*>(bar.Control(CViewControls::IdLighting))->isChecked());
}

// Keeps the texts the program would show in error boxes, instead of showing them.
class ShownErrors {
public:
    ShownErrors() : kept(std::move(App().showError)) {
        App().showError = [this](const QString& text) { texts << text; };
    }
    ~ShownErrors() { App().showError = std::move(kept); }
    ShownErrors(const ShownErrors&) = delete;
    ShownErrors& operator=(const ShownErrors&) = delete;
    QStringList texts;

private:
    std::function<void(const QString&)> kept;
};

// A 1-D wave: the viewer shows two- and three-dimensional ones only.
std::vector<std::uint8_t> LineWave() {
    ibwgen::WaveSpec line = apptest::ImageSpec(4, 4, {"Height"});
    line.dims = {16, 0, 0, 0};
    line.dimLabels[2].clear();
    return ibwgen::BuildWave(line);
}

TEST(Application, AFileThatCannotBeShownSaysWhyFromEveryWayOfOpening) {
    const apptest::TempFile good(apptest::ImageSpec(4, 4, {"Height", "AmplitudeRetrace"}));
    // Opened once as an image, so that it is in the recent list, then replaced by a line.
    const apptest::TempFile rejected(apptest::ImageSpec(4, 4, {"Height"}), "_line.ibw");
    const QString path = QString::fromStdString(rejected.path());
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    ibwgen::WriteBytes(rejected.path(), LineWave());
    const QString expected = path + "\nCannot show this file: it holds a 1-D wave of 16 points.";
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"open", [&] { App().OpenDocumentFile(path); }},
        {"File > Open",
         [&] {
             apptest::ModalAnswer<QFileDialog> answer([&](QFileDialog& dialog) {
                 dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
                 static_cast<QDialog&>(dialog).accept(); // the file dialog's own accept, with its checks
             });
             Frame().OnCommand(cmd::FileOpen);
             EXPECT_TRUE(answer.answered);
         }},
        {"drop", [&] { Frame().OnDropFiles({path}); }},
        {"recent list",
         [&] {
             const auto at = App().RecentFiles().Entries().indexOf(path);
             ASSERT_GE(at, 0);
             Frame().OnCommand(cmd::RecentFile1 + static_cast<int>(at));
         }},
    };
    for (const auto& [way, open] : ways) {
        ASSERT_NE(App().OpenDocumentFile(QString::fromStdString(good.path())), nullptr);
        const QString title = Frame().windowTitle();
        const ShownErrors shown;
        open();
        EXPECT_EQ(shown.texts, QStringList{expected}) << way;
        EXPECT_EQ(Frame().windowTitle(), title) << way;
        EXPECT_EQ(App().Document()->GetPathName(), good.path()) << way;
    }
    // A file that can be read again stays in the list.
    EXPECT_TRUE(App().RecentFiles().Entries().contains(path));
}

TEST(Application, AFailedOpenLeavesThePreviousFileWhole) {
    const apptest::TempFile good(apptest::PlaneSpec());
    const apptest::TempFile rejected(LineWave(), "_line.ibw");
    ASSERT_NE(App().OpenDocumentFile(QString::fromStdString(good.path())), nullptr);
    const ShownErrors shown;
    EXPECT_EQ(App().OpenDocumentFile(QString::fromStdString(rejected.path())), nullptr);
    ASSERT_EQ(shown.texts.size(), 1);

    // The channel list, the channel choice and the exports still belong to the open file.
    EXPECT_EQ(App().Document()->GetReader().channelCount, 2);
    EXPECT_EQ(Frame().ChannelBar()->ChannelList()->count(), 2);
    Frame().ChannelBar()->OnListChanged(CChannelBar::kChannelListId, 1);
    ViewController& controller = App().View()->Controller();
    ASSERT_NE(controller.GetCurrentChannel(), nullptr);
    EXPECT_EQ(controller.GetCurrentChannel()->name, "AmplitudeRetrace");
    EXPECT_NE(controller.MainMesh(), nullptr);
    const apptest::TempFile itx(std::vector<std::uint8_t>{}, ".itx");
    std::string error;
    EXPECT_TRUE(
        WriteViewExport(ViewExportKind::Ascii, controller, App().Document()->GetReader(), itx.path(), &error))
        << error;

    // Once the file is an image, the same path opens.
    ibwgen::WriteBytes(rejected.path(), ibwgen::BuildWave(apptest::ImageSpec(4, 4, {"Height"})));
    EXPECT_NE(App().OpenDocumentFile(QString::fromStdString(rejected.path())), nullptr);
    EXPECT_EQ(App().Document()->GetReader().channelCount, 1);
    EXPECT_EQ(shown.texts.size(), 1);
}

TEST(Application, ValuesAFloatCannotHoldAreNotedInTheStatusBar) {
    ibwgen::WaveSpec doubles = apptest::ImageSpec(3, 2, {});
    doubles.dims = {3, 2, 0, 0};
    doubles.type = 0x04;
    doubles.trailer = ibwgen::Trailer::None;
    doubles.exactValues = {1e300, 1, 2, 3, 4, 5};
    const apptest::TempFile lossy(doubles, "_lossy.ibw");
    const apptest::TempFile plain(apptest::ImageSpec(4, 4, {"Height"}));
    ASSERT_NE(App().OpenDocumentFile(QString::fromStdString(lossy.path())), nullptr);
    EXPECT_EQ(Frame().StatusNote().toStdString(), App().Document()->GetReader().PrecisionNote());
    EXPECT_TRUE(Frame().StatusNote().startsWith("1 value lies beyond the 32-bit float range"))
        << Frame().StatusNote().toStdString();
    ASSERT_NE(App().OpenDocumentFile(QString::fromStdString(plain.path())), nullptr);
    EXPECT_TRUE(Frame().StatusNote().isEmpty());
}

TEST(Application, AnExportWithNothingOpenSaysSo) {
    App().OnFileNew();
    for (int command : {cmd::ImageExport, cmd::AsciiExport, cmd::StlExport, cmd::VrmlExport}) {
        QString text;
        apptest::ModalAnswer<QMessageBox> answer([&](QMessageBox& box) {
            text = box.text();
            box.accept();
        });
        EXPECT_TRUE(Frame().OnCommand(command));
        EXPECT_TRUE(answer.answered) << command;
        EXPECT_EQ(text, "There is no image to export.\nOpen a file first.") << command;
    }
}

TEST(Application, FilesThePlatformCannotOpenGetItsMessages) {
    bool opened = true;
    const QString text = OpenAndWatch(QStringLiteral("/nonexistent/scan.ibw"), opened);
    EXPECT_FALSE(opened);
    EXPECT_EQ(text,
              "/nonexistent/scan.ibw\nCannot find this file.\nVerify that the correct path and file name "
              "are given.");
    const QString folder = QString::fromStdString(std::filesystem::temp_directory_path().string());
    EXPECT_EQ(OpenAndWatch(folder, opened), folder + "\nCannot open this file: it is a folder.");
    EXPECT_FALSE(opened);
}

TEST(Application, SamePathIsNotReadAgainButOtherCaseIs) {
    const apptest::TempFile file(apptest::ImageSpec(4, 4, {"Height"}));
    ASSERT_NE(App().OpenDocumentFile(QString::fromStdString(file.path())), nullptr);
    // Replace the file on disk: an open of the same path must not look at it.
    std::filesystem::remove(file.path());
    EXPECT_NE(App().OpenDocumentFile(QString::fromStdString(file.path())), nullptr);
    EXPECT_EQ(App().Document()->GetReader().channelCount, 1);
}

TEST(Application, RecentFilesKeepTheLastFourInTheirOwnGroup) {
    std::vector<std::unique_ptr<apptest::TempFile>> files;
    for (int i = 0; i < 5; ++i) {
        files.push_back(std::make_unique<apptest::TempFile>(apptest::ImageSpec(4, 4, {"Height"}),
                                                            "_" + std::to_string(i) + ".ibw"));
        ASSERT_NE(App().OpenDocumentFile(QString::fromStdString(files.back()->path())), nullptr);
    }
    const QStringList& recent = App().RecentFiles().Entries();
    ASSERT_EQ(recent.size(), 4);
    EXPECT_EQ(recent.front(), QString::fromStdString(files[4]->path()));
    EXPECT_EQ(recent.back(), QString::fromStdString(files[1]->path()));
    QSettings settings;
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), QString::fromStdString(files[4]->path()));
    EXPECT_FALSE(settings.contains("Settings/File1"));
    EXPECT_EQ(Frame().MenuAction(cmd::RecentFile1)->text(), "&1 " + QString::fromStdString(files[4]->path()));
}

TEST(Application, DroppedFilesOpenInOrderAndTheLastStays) {
    std::vector<std::unique_ptr<apptest::TempFile>> files;
    QList<QUrl> urls;
    for (int i = 0; i < 3; ++i) {
        files.push_back(std::make_unique<apptest::TempFile>(apptest::ImageSpec(4, 4, {"Height"}),
                                                            "_drop" + std::to_string(i) + ".ibw"));
        urls << QUrl::fromLocalFile(QString::fromStdString(files.back()->path()));
    }
    Frame().OnDropFiles({urls[0].toLocalFile(), urls[1].toLocalFile(), urls[2].toLocalFile()});
    EXPECT_EQ(App().Document()->GetPathName(), files[2]->path());
    EXPECT_EQ(App().RecentFiles().Entries().mid(0, 3),
              (QStringList{urls[2].toLocalFile(), urls[1].toLocalFile(), urls[0].toLocalFile()}));
}

} // namespace
