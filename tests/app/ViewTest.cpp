#include "app/QV3DViewer/frame/CChannelBar.h"
#include "app/QV3DViewer/frame/CChannelBarCombo.h"
#include "app/QV3DViewer/frame/CMainFrame.h"
#include "app/QV3DViewer/frame/CQV3DViewerApp.h"
#include "app/QV3DViewer/document/CQV3DViewerDoc.h"
#include "app/QV3DViewer/view/CQV3DViewerView.h"
#include "app/QV3DViewer/view/CViewWindow.h"
#include "app/QV3DViewer/frame/CommandIds.h"
#include "ibw/CIBWChannel.h"

#include "ViewerSession.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

namespace {

using apptest::App;

class View : public ::testing::Test {
protected:
    static void SetUpTestSuite() { apptest::StartViewerOnce(); }
    void SetUp() override {
        file = std::make_unique<apptest::TempFile>(apptest::PlaneSpec());
        apptest::OpenInViewer(file->path());
    }
    ViewController& Controller() { return App().View()->Controller(); }
    std::unique_ptr<apptest::TempFile> file;
};

bool Coloured(QRgb c) {
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    return std::max({r, g, b}) - std::min({r, g, b}) > 40;
}

// The bottom-up 24-bit bitmap of an off-screen frame as an image.
QImage FromDib(const std::vector<std::uint8_t>& dib, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (dib.size() < 40 + stride * static_cast<std::size_t>(height)) {
        return {};
    }
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = dib.data() + 40 + stride * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]));
        }
    }
    return image;
}

TEST_F(View, ShowsTheSurfaceAndTheColourBar) {
    // The screen as a person sees it, kept for looking at; the checks use an off-screen frame of
    // the same scene, which other windows on the shared display cannot cover.
    QTest::qWait(300);
    App().primaryScreen()->grabWindow(0).save(QStringLiteral(QT_TESTCASE_BUILDDIR "/viewer_screenshot.png"));
    const int width = 640;
    const int height = 480;
    const QImage frame = FromDib(Controller().RenderBitmap(width, height), width, height);
    ASSERT_FALSE(frame.isNull());
    frame.save(QStringLiteral(QT_TESTCASE_BUILDDIR "/viewer_frame.png"));
    int surface = 0;
    int bar = 0;
    for (int y = 0; y < height; y += 2) {
        for (int x = 0; x < width; x += 2) {
            if (Coloured(frame.pixel(x, y))) {
                ++(x > width - 45 ? bar : surface);
            }
        }
    }
    EXPECT_GT(surface, 2000) << "surface pixels";
    EXPECT_GT(bar, 50) << "colour-bar pixels";
    // The background is the preferences' white.
    EXPECT_EQ(frame.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(View, DragsStartFromThePressState) {
    ViewState before;
    ASSERT_TRUE(Controller().ReadViewState(before));
    EXPECT_FLOAT_EQ(before.Pitch, 30.0f);
    Controller().MouseDown(0, 0, 100, 100);
    Controller().MouseDrag(0, 0, 400, 7);
    EXPECT_TRUE(Controller().MouseDrag(0, 0, 110, 80));
    ViewState after;
    ASSERT_TRUE(Controller().ReadViewState(after));
    EXPECT_FLOAT_EQ(after.Rotate - before.Rotate, 3.0f);
    EXPECT_FLOAT_EQ(after.Pitch - before.Pitch, 6.0f);
    int hookCalls = 0;
    Controller().SetChangeHook([&hookCalls] { ++hookCalls; });
    EXPECT_FALSE(Controller().MouseDrag(0, 0x04 | 0x08, 150, 150));
    EXPECT_EQ(hookCalls, 1);
    Controller().Wheel(0, 0, 3.0f, 0, 0);
    ViewState wheeled;
    Controller().ReadViewState(wheeled);
    EXPECT_NEAR(wheeled.Zoom, after.Zoom - 0.3f, 1e-6);
    Controller().SetChangeHook({});
}

TEST_F(View, TextTogglesAreIndependentAndChecked) {
    CMainFrame& frame = *App().MainFrame();
    EXPECT_TRUE(frame.OnCommand(cmd::CommandHelp));
    EXPECT_TRUE(frame.OnCommand(cmd::LightInformation));
    ViewState state;
    Controller().ReadViewState(state);
    EXPECT_EQ(state.TextFlags, 0x11);
    EXPECT_TRUE(frame.MenuAction(cmd::CommandHelp)->isChecked());
    EXPECT_FALSE(frame.MenuAction(cmd::ViewInformation)->isChecked());
    frame.OnCommand(cmd::CommandHelp);
    frame.OnCommand(cmd::LightInformation);
    Controller().ReadViewState(state);
    EXPECT_EQ(state.TextFlags, 0);
    EXPECT_FALSE(frame.MenuAction(cmd::LightInformation)->isChecked());
}

// A wave whose x spacing is 0 is drawn over its column indices, and the status bar says so
// until a file with usable spacings is opened.
TEST_F(View, UndrawableSpacingIsDrawnAsOneAndTold) {
    ibwgen::WaveSpec waveSpec = apptest::PlaneSpec();
    waveSpec.spacing = {0, 1e-7, 1, 1};
    const apptest::TempFile odd(waveSpec, "-odd.ibw"); // not the path the fixture opened
    apptest::OpenInViewer(odd.path());
    EXPECT_EQ(Controller().GetCurrentChannel()->xExtent, 63.0);
    EXPECT_EQ(
        App().MainFrame()->StatusNote(),
        QStringLiteral("The surface cannot be drawn with the x spacing (0); it is drawn and exported with a "
                       "spacing of 1."));
    apptest::OpenInViewer(file->path());
    EXPECT_EQ(App().MainFrame()->StatusNote(), QString());
}

TEST_F(View, ChannelAndColourTableListsSwitchTheSurface) {
    CChannelBar* bar = App().MainFrame()->ChannelBar();
    ASSERT_EQ(bar->ChannelList()->count(), 2);
    bar->OnListChanged(CChannelBar::kChannelListId, 1);
    EXPECT_EQ(Controller().MainChannel(), 1);
    EXPECT_EQ(Controller().GetCurrentChannel()->name, "AmplitudeRetrace");
    bar->OnListChanged(CChannelBar::kPaletteListId, 3);
    EXPECT_EQ(Controller().MainPalette(), 3);
    EXPECT_EQ(bar->PaletteList()->currentIndex(), 3);
    // A channel index beyond the file changes nothing.
    EXPECT_FALSE(Controller().SelectChannel(&App().Document()->GetReader(), 7));
    EXPECT_EQ(Controller().MainChannel(), 1);
}

// A surface made after the preferences were set follows their Absolute Z switches from the start,
// so the colour bar of an overlay shows its range as the preference asks.
TEST_F(View, NewSurfacesFollowTheAbsoluteZPreferences) {
    const ViewerPreferences before = Controller().GetPreferences();
    ViewerPreferences prefs = before;
    prefs.AbsoluteZ = false;
    prefs.AbsoluteZOverlay = true;
    Controller().ApplyPreferences(prefs);
    ASSERT_TRUE(Controller().SelectChannel(&App().Document()->GetReader(), 1));
    ASSERT_TRUE(Controller().SelectOverlayChannel(0));
    AxesOptions main;
    AxesOptions overlay;
    ASSERT_TRUE(CRenderFacade::Instance().GetAxesOptions(Controller().MainMesh(), main));
    ASSERT_TRUE(CRenderFacade::Instance().GetAxesOptions(Controller().OverlayMesh(), overlay));
    EXPECT_EQ(main.ZOptions & kAxesAbsoluteZ, 0);
    EXPECT_EQ(overlay.ZOptions & kAxesAbsoluteZ, kAxesAbsoluteZ);
    Controller().SelectOverlayChannel(-1);
    Controller().ApplyPreferences(before);
}

TEST_F(View, SceneUsesTheDecimationAndLabelUnits) {
    MeshParams params;
    ASSERT_TRUE(Controller().GetMainMeshParams(params));
    EXPECT_EQ(params.Columns, 64);
    EXPECT_EQ(params.Rows, 48);
    // 6.3 um by 4.7 um, laid out in label units.
    EXPECT_NEAR(params.XExtent, 6.3f, 1e-4);
    EXPECT_NEAR(params.YExtent, 4.7f, 1e-4);
    EXPECT_EQ(params.XOffset, 0.0f);
    AxesOptions axes;
    ASSERT_TRUE(CRenderFacade::Instance().GetAxesOptions(Controller().MainMesh(), axes));
    EXPECT_EQ(std::string(axes.XUnitText), "\xB5m");
    EXPECT_EQ(axes.Flags & 0x017F, 0x017F);
    // 6.3 in steps of 1: ticks 0 to 6.
    EXPECT_EQ(axes.XTickCount, 7);
}

// The screen as a person sees it, for looking at.
void SaveScreen(const char* name) {
    App().primaryScreen()->grabWindow(0).save(QStringLiteral(QT_TESTCASE_BUILDDIR "/") +
                                              QString::fromLatin1(name));
}

// While the view moves on a machine where frames are slow, the scene draws a reduced mesh of the
// same channel with the main mesh's record, axes and colours; the release, the wheel's pause, a
// picture export and the preference each bring back the full mesh.
TEST_F(View, MovingDrawsAReducedMeshAndRestBringsBackTheFullOne) {
    CRenderFacade& facade = CRenderFacade::Instance();
    Controller().FrameCosts().RecordFrame({64, 48}, 1000.0);
    Controller().MouseDown(0, 0, 100, 100);
    EXPECT_FALSE(Controller().InMotion()) << "a click alone changes nothing";
    ASSERT_TRUE(Controller().MouseDrag(0, 0, 130, 110));
    ASSERT_TRUE(Controller().InMotion());
    const RenderHandle moving = Controller().MovingMesh();
    MeshParams main, reduced;
    ASSERT_TRUE(facade.GetMeshParams(Controller().MainMesh(), main));
    ASSERT_TRUE(facade.GetMeshParams(moving, reduced));
    EXPECT_TRUE(SameMeshParams(main, reduced));
    AxesOptions mainAxes, reducedAxes;
    facade.GetAxesOptions(Controller().MainMesh(), mainAxes);
    facade.GetAxesOptions(moving, reducedAxes);
    EXPECT_EQ(reducedAxes.Flags, mainAxes.Flags);
    EXPECT_EQ(reducedAxes.ZOptions, mainAxes.ZOptions);
    EXPECT_EQ(reducedAxes.XTickCount, mainAxes.XTickCount);
    EXPECT_EQ(reducedAxes.ZTickCount, mainAxes.ZTickCount);
    EXPECT_EQ(reducedAxes.ZTickStep, mainAxes.ZTickStep);
    EXPECT_EQ(std::string(reducedAxes.ZUnitText), std::string(mainAxes.ZUnitText));
    App().View()->Window()->Repaint();
    QTest::qWait(300);
    SaveScreen("viewer_moving.png");
    EXPECT_TRUE(Controller().MouseUp(0, 0, 130, 110));
    EXPECT_FALSE(Controller().InMotion());
    EXPECT_FALSE(Controller().MouseUp(0, 0, 130, 110)) << "nothing more to draw";
    App().View()->Window()->Repaint();
    QTest::qWait(300);
    SaveScreen("viewer_at_rest.png");

    // The wheel's steps: the full mesh is back once they pause.
    QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(App().View()->Window(), &wheel);
    EXPECT_TRUE(Controller().InMotion());
    QTest::qWait(400);
    EXPECT_FALSE(Controller().InMotion());

    // A picture taken while moving is of the full mesh.
    Controller().Wheel(0, 0, 1.0f, 0, 0);
    ASSERT_TRUE(Controller().InMotion());
    EXPECT_FALSE(Controller().RenderBitmap(40, 30).empty());
    EXPECT_FALSE(Controller().InMotion());

    ViewerPreferences prefs = Controller().GetPreferences();
    prefs.ReduceWhileMoving = false;
    Controller().ApplyPreferences(prefs);
    Controller().MouseDown(0, 0, 100, 100);
    Controller().MouseDrag(0, 0, 140, 120);
    EXPECT_FALSE(Controller().InMotion());
    Controller().MouseUp(0, 0, 140, 120);
    prefs.ReduceWhileMoving = true;
    Controller().ApplyPreferences(prefs);
}

} // namespace
