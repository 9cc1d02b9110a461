// The control bar on an open image: the positions modes, what each control changes in the view
// state, the meshes and the working preferences, and that nothing of it is saved.
#include "app/QV3DViewer/controls/CSpinButtonCtrl.h"
#include "app/QV3DViewer/controls/CViewControls.h"
#include "ibw/CIBWChannel.h"
#include "ui/CColorButton.h"
#include "ui/CLogarithmicSliderCtrl.h"
#include "ui/CMeasureSliderCtrl.h"
#include "ui/CProfileSettings.h"
#include "ui/CUnitEdit.h"

#include "ControlBarFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QWindow>

#include <functional>

namespace {

using apptest::App;
using apptest::Fields;
using Bar = CViewControls;

class ControlBar : public apptest::ViewerFixture {
protected:
    static CViewControls& TheBar() { return *Frame().ViewControls(); }
    template <class T> static T* Get(int id) { return static_cast<T*>(TheBar().Control(id)); }
    static ViewState State() {
        ViewState state;
        EXPECT_TRUE(Controller().ReadViewState(state));
        return state;
    }
    static MeshParams Mesh() {
        MeshParams params;
        EXPECT_TRUE(Controller().GetMainMeshParams(params));
        return params;
    }
    static MeshParams Overlay() {
        MeshParams params;
        EXPECT_TRUE(Controller().GetOverlayMeshParams(params));
        return params;
    }
    static ViewerPreferences Prefs() { return Controller().GetPreferences(); }
    static void Type(int id, const char* text) {
        auto* edit = Get<CUnitEdit>(id);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    static void Click(int id) { Get<QCheckBox>(id)->click(); }
    static void Choose(int id, int index) {
        auto* combo = Get<QComboBox>(id);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Every value of the settings store, to see that the bar writes none.
    static std::map<QString, QString> Stored() {
        QSettings store(QStringLiteral("Quorvane"), QStringLiteral("Vistrel Light"));
        std::map<QString, QString> values;
        for (const QString& key : store.allKeys()) {
            values[key] = store.value(key).toString();
        }
        return values;
    }
};

TEST_F(ControlBar, PositionsModesShowTheirLabelsUnitsAndFields) {
    ViewState state = State();
    state.Rotate = 12.5f;
    state.Pitch = 40.0f;
    state.Zoom = 1.5f;
    state.LightRotate = 20.0f;
    state.LightPitch = 35.0f;
    state.PanX = 0.25f;
    state.PanY = -0.5f;
    state.EyeSeparation = 0.125f;
    state.EyeFocus = 0.375f;
    Controller().WriteViewState(state);
    struct Mode {
        const char* labels[3];
        const char* unit;
        float values[2];
        bool third;
    };
    const Mode modes[] = {
        {{"Rotate", "Pitch", "Zoom"}, "\xB0", {12.5f, 40.0f}, true},
        {{"Rotate", "Pitch", ""}, "\xB0", {20.0f, 35.0f}, false},
        {{"Offset X", "Offset Y", ""}, "", {0.25f, -0.5f}, false},
        {{"Eye Sep.", "Focal Fac.", ""}, "", {0.125f, 0.375f}, false},
    };
    for (int mode = 0; mode < 4; ++mode) {
        SCOPED_TRACE(mode);
        Choose(Bar::IdPositionMode, mode);
        EXPECT_EQ(TheBar().PositionMode(), mode);
        const int labels[3] = {Bar::IdPositionLabel1, Bar::IdPositionLabel2, Bar::IdPositionLabel3};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Get<QLabel>(labels[i])->text(), modes[mode].labels[i]);
        }
        const int edits[2] = {Bar::IdPosition1, Bar::IdPosition2};
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(Get<CUnitEdit>(edits[i])->GetUnit(), modes[mode].unit);
            EXPECT_FLOAT_EQ(Get<CUnitEdit>(edits[i])->GetValue(), modes[mode].values[i]);
        }
        EXPECT_EQ(Get<QWidget>(Bar::IdPosition3)->isVisible(), modes[mode].third);
        EXPECT_EQ(Get<QWidget>(Bar::IdPositionLabel3)->isVisible(), modes[mode].third);
    }
    Choose(Bar::IdPositionMode, 0);
    // Degrees are shown without a prefix, the zoom without a unit.
    EXPECT_EQ(Get<CUnitEdit>(Bar::IdPosition1)->text(), QString::fromUtf8("12.50 \u00B0"));
    EXPECT_EQ(Get<CUnitEdit>(Bar::IdPosition3)->text(), "1.50");
}

TEST_F(ControlBar, MouseDragsRefreshThePositions) {
    Choose(Bar::IdPositionMode, 1);
    const ViewState before = State();
    Controller().MouseDown(1, 0, 100, 100);
    Controller().MouseDrag(1, 0, 110, 80);
    EXPECT_FLOAT_EQ(Get<CUnitEdit>(Bar::IdPosition1)->GetValue(), before.LightRotate + 3.0f);
    EXPECT_FLOAT_EQ(Get<CUnitEdit>(Bar::IdPosition2)->GetValue(), State().LightPitch);
    Choose(Bar::IdPositionMode, 0);
    Controller().Wheel(0, 0, 2.0f, 0, 0);
    EXPECT_FLOAT_EQ(Get<CUnitEdit>(Bar::IdPosition3)->GetValue(), State().Zoom);
}

// Each control changes its one field; every case starts from the defaults on a fresh channel 0.
TEST_F(ControlBar, EachControlChangesItsField) {
    CProfileSettings::Save(DefaultPreferences);
    const auto storedBefore = Stored();
    const auto currentBefore = Fields(CurrentPreferences);
    struct Case {
        const char* control;
        std::function<void()> input;
        std::function<double()> field;
        double expected;
    };
    const float range = Mesh().ZRange;
    const float centre = Mesh().ZOffset + range / 2;
    const Case cases[] = {
        {"range edit 20 nm", [] { Type(Bar::IdMainRange, "20 nm"); }, [] { return Mesh().ZRange; }, 20e-9},
        {"range edit keeps the centre", [] { Type(Bar::IdMainRange, "20 nm"); },
         [] { return Mesh().ZOffset + 10e-9f; }, centre},
        {"range edit 0 is refused", [] { Type(Bar::IdMainRange, "0"); }, [] { return Mesh().ZRange; }, range},
        {"range edit -5 nm is refused", [] { Type(Bar::IdMainRange, "-5 nm"); },
         [] { return Get<CUnitEdit>(Bar::IdMainRange)->GetValue(); }, range},
        {"offset edit 5 nm", [] { Type(Bar::IdMainOffset, "5n"); },
         [] { return Mesh().ZOffset + Mesh().ZRange / 2; }, 5e-9},
        {"aspect edit 2", [] { Type(Bar::IdAspect, "2"); }, [] { return Mesh().ZScale; }, 2.0},
        {"aspect edit clamps 7", [] { Type(Bar::IdAspect, "7"); }, [] { return Mesh().ZScale; }, 5.0},
        {"specular edit 25", [] { Type(Bar::IdSpecularFactor, "25"); }, [] { return Mesh().SpecularFactor; },
         0.25},
        {"specular edit 150", [] { Type(Bar::IdSpecularFactor, "150"); },
         [] { return Prefs().SpecularFactor; }, 1.0},
        {"specular spin follows the edit", [] { Type(Bar::IdSpecularFactor, "150"); },
         [] { return Get<CSpinButtonCtrl>(Bar::IdSpecularSpin)->GetPos(); }, 100},
        {"specular edit takes digits only", [] { Type(Bar::IdSpecularFactor, "1a5"); },
         [] { return Prefs().SpecularFactor; }, 0.15},
        {"specular spin up", [] { Get<CSpinButtonCtrl>(Bar::IdSpecularSpin)->StepBy(+1, 0); },
         [] { return Prefs().SpecularFactor; }, 0.51},
        {"spin held 2 s", [] { Get<CSpinButtonCtrl>(Bar::IdSpecularSpin)->StepBy(+1, 2000); },
         [] { return Prefs().SpecularFactor; }, 0.60},
        {"rotate edit 45", [] { Type(Bar::IdPosition1, "45"); }, [] { return State().Rotate; }, 45.0},
        {"zoom edit 2", [] { Type(Bar::IdPosition3, "2"); }, [] { return State().Zoom; }, 2.0},
        {"Ortho Projection", [] { Click(Bar::IdOrtho); }, [] { return State().Projection; }, 1},
        {"Labels", [] { Click(Bar::IdLabels); }, [] { return Prefs().ShowLabels; }, 0},
        {"Boundary Box", [] { Click(Bar::IdBoundingBox); }, [] { return Prefs().ShowBoundingBox; }, 1},
        {"Colorbar", [] { Click(Bar::IdColorbar); }, [] { return State().ShowColorbar; }, 0},
        {"Anaglyph", [] { Click(Bar::IdAnaglyph); }, [] { return State().Anaglyph; }, 1},
        {"Negative Palette", [] { Click(Bar::IdNegativePalette); }, [] { return Prefs().NegativePalette; },
         1},
        {"Invert Palette", [] { Click(Bar::IdInvertPalette); }, [] { return Prefs().InvertPalette; }, 1},
        {"Enable Lighting", [] { Click(Bar::IdLighting); }, [] { return State().ShowLights; }, 0},
        {"Specular", [] { Click(Bar::IdSpecular); }, [] { return Mesh().Specular; }, 1},
        {"Absolute Z", [] { Click(Bar::IdAbsoluteZ); }, [] { return Prefs().AbsoluteZ; }, 1},
        {"Clipping Z Clip", [] { Choose(Bar::IdClipMode, 2); }, [] { return Mesh().ZClip; }, 1},
        {"Clipping Z Clamp", [] { Choose(Bar::IdClipMode, 1); }, [] { return Prefs().ClipMode; }, 1},
        {"Background colour",
         [] {
             auto* button = Get<CColorButton>(Bar::IdBackColor);
             button->SetColour(MakeColorRef(10, 20, 30));
             emit button->colorAccepted(button->GetColour(), Bar::IdBackColor);
         },
         [] { return State().BackColor.b + 1000 * State().BackColor.a; }, 30 + 1000 * 255},
        {"NaNs colour",
         [] {
             auto* button = Get<CColorButton>(Bar::IdNaNColor);
             button->SetColour(MakeColorRef(1, 2, 3));
             emit button->colorAccepted(button->GetColour(), Bar::IdNaNColor);
         },
         [] { return Mesh().NaNColor.r + 10 * Mesh().NaNColor.g + 100 * Mesh().NaNColor.b; }, 321},
        {"overlay range edit",
         [] {
             Click(Bar::IdOverlayEnable);
             Type(Bar::IdOverlayRange, "3 nm");
         },
         [] { return Overlay().ZRange; }, 3e-9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        // A fresh context forgets the ranges the previous case saved.
        Controller().ApplyPreferences(DefaultPreferences);
        App().View()->OnInitialUpdate();
        c.input();
        EXPECT_NEAR(c.field(), c.expected, std::abs(c.expected) * 1e-5 + 1e-12);
    }
    EXPECT_EQ(Fields(CurrentPreferences), currentBefore);
    EXPECT_EQ(Stored(), storedBefore);
}

TEST_F(ControlBar, AMovedSliderChangesOnlyItsOwnQuantity) {
    const MeshParams before = Mesh();
    auto* offset = Get<CMeasureSliderCtrl>(Bar::IdMainOffsetSlider);
    offset->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(Mesh().ZRange, before.ZRange);
    EXPECT_FLOAT_EQ(offset->Scale().minValue, before.ZOffset + before.ZRange / 2 - 1.5f * before.ZRange);
    EXPECT_NEAR(Mesh().ZOffset + Mesh().ZRange / 2, before.ZOffset + before.ZRange / 2 + 0.3 * before.ZRange,
                before.ZRange * 1e-4);
    // Moving the range keeps the slider's ends until it is let go, then re-centres both sliders.
    auto* range = Get<CMeasureSliderCtrl>(Bar::IdMainRangeSlider);
    const float centre = Mesh().ZOffset + Mesh().ZRange / 2;
    range->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_FLOAT_EQ(range->Scale().maxValue, 2 * before.ZRange);
    EXPECT_NEAR(Mesh().ZOffset + Mesh().ZRange / 2, centre, before.ZRange * 1e-5);
    emit range->sliderReleased();
    EXPECT_FLOAT_EQ(range->Scale().maxValue, 2 * Mesh().ZRange);
    EXPECT_FLOAT_EQ(Get<CMeasureSliderCtrl>(Bar::IdMainOffsetSlider)->Scale().minValue,
                    centre - 1.5f * Mesh().ZRange);
}

TEST_F(ControlBar, OneToOneAspectFollowsTheRangeAndSurvivesAChannelChange) {
    const float xExtent = static_cast<float>(Controller().GetCurrentChannel()->xExtent);
    Click(Bar::IdAspect1To1);
    EXPECT_FLOAT_EQ(Mesh().ZScale, Mesh().ZRange / xExtent);
    EXPECT_FALSE(Get<QWidget>(Bar::IdAspectSlider)->isEnabled());
    EXPECT_FALSE(Get<QWidget>(Bar::IdAspect)->isEnabled());
    EXPECT_FLOAT_EQ(Get<CUnitEdit>(Bar::IdAspect)->GetValue(), Mesh().ZScale);
    Type(Bar::IdMainRange, "40 nm");
    EXPECT_FLOAT_EQ(Mesh().ZScale, 40e-9f / xExtent);

    App().View()->OnChannel(1);
    EXPECT_FALSE(Get<QCheckBox>(Bar::IdAspect1To1)->isChecked());
    Click(Bar::IdAspect1To1);
    EXPECT_FLOAT_EQ(Mesh().ZScale, Mesh().ZRange / xExtent);
}

TEST_F(ControlBar, UncheckingOneToOneGivesBackTheAspectSetBefore) {
    Type(Bar::IdAspect, "0.7");
    ASSERT_FLOAT_EQ(Mesh().ZScale, 0.7f);
    Click(Bar::IdAspect1To1);
    ASSERT_NE(Mesh().ZScale, 0.7f);
    Type(Bar::IdMainRange, "40 nm"); // the 1:1 aspect follows the range meanwhile
    Click(Bar::IdAspect1To1);
    EXPECT_FLOAT_EQ(Mesh().ZScale, 0.7f);
    EXPECT_FLOAT_EQ(Get<CUnitEdit>(Bar::IdAspect)->GetValue(), 0.7f);
    EXPECT_NEAR(Get<CLogarithmicSliderCtrl>(Bar::IdAspectSlider)->GetValue(), 0.7f, 0.05f);
    EXPECT_TRUE(Get<QWidget>(Bar::IdAspect)->isEnabled());
    // And a channel change keeps it, as it keeps every saved aspect.
    App().View()->OnChannel(1);
    App().View()->OnChannel(0);
    EXPECT_FLOAT_EQ(Mesh().ZScale, 0.7f);
}

TEST_F(ControlBar, TheAnaglyphCheckAgreesWithTheView) {
    Click(Bar::IdAnaglyph);
    ASSERT_TRUE(State().Anaglyph);
    // A newly opened file is drawn as the box says.
    const apptest::TempFile next(apptest::ThreeChannelSpec(), "_next.ibw");
    ASSERT_NE(App().OpenDocumentFile(QString::fromStdString(next.path())), nullptr);
    EXPECT_TRUE(Get<QCheckBox>(Bar::IdAnaglyph)->isChecked());
    EXPECT_TRUE(State().Anaglyph);
    // A stored Anaglyph is the view's first state, as the box shows it.
    CurrentPreferences.Anaglyph = true;
    QWindow window; // outlives the context made on it
    ViewController started;
    ASSERT_TRUE(started.AttachWindow(&window));
    ViewState state;
    ASSERT_TRUE(started.ReadViewState(state));
    EXPECT_TRUE(state.Anaglyph);
    EXPECT_TRUE(started.GetPreferences().Anaglyph);
}

TEST_F(ControlBar, OneToOneAspectIsRefusedForOtherUnits) {
    App().View()->OnChannel(2); // degrees against metres
    const float zScale = Mesh().ZScale;
    QString shown;
    apptest::WithModal([] { Click(Bar::IdAspect1To1); },
                       [&](QWidget* modal) {
                           auto* box = qobject_cast<QMessageBox*>(modal);
                           ASSERT_NE(box, nullptr);
                           shown = box->text();
                           EXPECT_EQ(box->icon(), QMessageBox::Warning);
                           box->accept();
                       });
    EXPECT_EQ(
        shown,
        "It is not possible to set the z aspect ratio to 1:1 when the z units are disimilar to x or y.");
    EXPECT_FALSE(Get<QCheckBox>(Bar::IdAspect1To1)->isChecked());
    EXPECT_FLOAT_EQ(Mesh().ZScale, zScale);
}

TEST_F(ControlBar, OverlayFollowsEnableAndLeavesWithAChannelChange) {
    EXPECT_FALSE(Get<QWidget>(Bar::IdOverlayRange)->isEnabled());
    Choose(Bar::IdOverlayChannel, 1);
    EXPECT_EQ(Controller().OverlayMesh(), nullptr);
    Click(Bar::IdOverlayEnable);
    ASSERT_NE(Controller().GetOverlayChannel(), nullptr);
    EXPECT_EQ(Controller().GetOverlayChannel()->name, "AmplitudeRetrace");
    EXPECT_TRUE(Get<QWidget>(Bar::IdOverlayRange)->isEnabled());
    EXPECT_FLOAT_EQ(Get<CUnitEdit>(Bar::IdOverlayRange)->GetValue(), Overlay().ZRange);
    Click(Bar::IdOverlayAbsoluteZ);
    EXPECT_EQ(Prefs().AbsoluteZOverlay, !DefaultPreferences.AbsoluteZOverlay);

    App().View()->OnChannel(1);
    EXPECT_FALSE(Get<QCheckBox>(Bar::IdOverlayEnable)->isChecked());
    EXPECT_EQ(Controller().OverlayMesh(), nullptr);
    EXPECT_EQ(Get<QComboBox>(Bar::IdOverlayChannel)->count(), 3);
}

TEST(ControlBarAlone, DoesNothingBeforeAViewIsAttached) {
    CViewControls bar;
    auto* edit = static_cast<CUnitEdit*>(bar.Control(Bar::IdPosition1));
    edit->setText("45");
    QTest::keyClick(edit, Qt::Key_Return);
    auto* check = static_cast<QCheckBox*>(bar.Control(Bar::IdLabels));
    check->click();
    EXPECT_FALSE(check->isChecked());
    auto* aspect = static_cast<QCheckBox*>(bar.Control(Bar::IdAspect1To1));
    aspect->click();
    EXPECT_FALSE(aspect->isChecked());
    EXPECT_EQ(static_cast<QComboBox*>(bar.Control(Bar::IdClipMode))->currentIndex(), -1);
}

} // namespace
