// The preferences command: OK replaces and saves the application's record and hands only the
// listed fields to the open view; Cancel changes nothing.
#include "app/QV3DViewer/controls/CViewControls.h"
#include "app/QV3DViewer/frame/CommandIds.h"
#include "app/QV3DViewer/controls/MergeDialogPreferences.h"
#include "ui/CColorButton.h"
#include "ui/CPreferencesProp.h"
#include "ui/CProfileSettings.h"
#include "ui/CUnitEdit.h"

#include "ControlBarFixture.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include <set>
#include <string>

namespace {

using apptest::Fields;
using apptest::ViewerFixture;

const std::set<std::string> kMerged = {"UseChannelPalette", "AutoScaleChannel", "ZAspectRatio",
                                       "SpecularFactor",    "ZoomFactor",       "AbsoluteZ",
                                       "AbsoluteZOverlay",  "BackColor",        "LightColor",
                                       "OnscreenTextColor", "PaletteIndex",     "ReduceWhileMoving"};

// A record that differs from `p` in every field and survives the dialog unchanged: the dialog
// gives every colour but the NaN colour an alpha of 0.
ViewerPreferences EveryFieldOtherThan(const ViewerPreferences& p) {
    ViewerPreferences d = preftest::EveryFieldOtherThan(p);
    d.BackColor.a = d.LightColor.a = d.OnscreenTextColor.a = 0;
    d.NaNColor.a = 255;
    return d;
}

void PressButton(QWidget* sheet, QDialogButtonBox::StandardButton which) {
    auto* buttons = sheet->findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    buttons->button(which)->click();
}

void RunCommand(QDialogButtonBox::StandardButton which) {
    bool sheetSeen = false;
    apptest::WithModal([] { apptest::App().MainFrame()->OnCommand(cmd::Preferences); },
                       [&](QWidget* modal) {
                           sheetSeen = dynamic_cast<CPreferencesProp*>(modal) != nullptr;
                           PressButton(modal, which);
                       });
    EXPECT_TRUE(sheetSeen);
}

class PreferencesCommand : public ViewerFixture {};

TEST_F(PreferencesCommand, OkSavesTheDialogRecordAndMergesOnlyTheListedFields) {
    const ViewerPreferences working = Controller().GetPreferences();
    const ViewerPreferences dialog = EveryFieldOtherThan(working);
    CurrentPreferences = dialog;
    ViewState stateBefore;
    ASSERT_TRUE(Controller().ReadViewState(stateBefore));
    const int paletteBefore = Controller().MainPalette();

    RunCommand(QDialogButtonBox::Ok);

    EXPECT_EQ(Fields(CurrentPreferences), Fields(dialog));
    ViewerPreferences stored;
    ASSERT_TRUE(CProfileSettings::Load(stored));
    EXPECT_EQ(stored.ZoomFactor, dialog.ZoomFactor);
    EXPECT_EQ(stored.ShowColorbar, dialog.ShowColorbar);
    EXPECT_EQ(stored.BackColor, dialog.BackColor);

    const auto before = Fields(working);
    const auto offered = Fields(dialog);
    const auto after = Fields(Controller().GetPreferences());
    for (const auto& [name, value] : after) {
        EXPECT_EQ(value, kMerged.count(name) != 0 ? offered.at(name) : before.at(name)) << name;
    }
    EXPECT_EQ(Fields(Controller().GetPreferences()), Fields(MergeDialogPreferences(working, dialog)));

    // The view shows the new colours at once; its switches and shown colour table stay.
    ViewState state;
    ASSERT_TRUE(Controller().ReadViewState(state));
    EXPECT_EQ(state.BackColor, dialog.BackColor);
    EXPECT_EQ(state.LightColor, dialog.LightColor);
    EXPECT_EQ(state.ShowColorbar, stateBefore.ShowColorbar);
    EXPECT_EQ(state.Projection, stateBefore.Projection);
    EXPECT_EQ(Controller().MainPalette(), paletteBefore);
    MeshParams params;
    ASSERT_TRUE(Controller().GetMainMeshParams(params));
    EXPECT_FLOAT_EQ(params.SpecularFactor, dialog.SpecularFactor);
    EXPECT_EQ(params.NaNColor, working.NaNColor);

    // The bar shows the new colours and the specular factor the view now uses.
    const CViewControls& bar = *Frame().ViewControls();
    EXPECT_EQ(static_cast<CColorButton*>(bar.Control(CViewControls::IdBackColor))->GetColour(),
              MakeColorRef(dialog.BackColor.r, dialog.BackColor.g, dialog.BackColor.b));
    EXPECT_EQ(static_cast<CColorButton*>(bar.Control(CViewControls::IdLightColor))->GetColour(),
              MakeColorRef(dialog.LightColor.r, dialog.LightColor.g, dialog.LightColor.b));
    EXPECT_FLOAT_EQ(static_cast<CUnitEdit*>(bar.Control(CViewControls::IdSpecularFactor))->GetValue(),
                    dialog.SpecularFactor * 100);
}

TEST_F(PreferencesCommand, CancelChangesNothing) {
    const ViewerPreferences working = Controller().GetPreferences();
    const ViewerPreferences current = EveryFieldOtherThan(working);
    CurrentPreferences = current;
    CProfileSettings::Save(DefaultPreferences);

    RunCommand(QDialogButtonBox::Cancel);

    EXPECT_EQ(Fields(CurrentPreferences), Fields(current));
    EXPECT_EQ(Fields(Controller().GetPreferences()), Fields(working));
    ViewerPreferences stored;
    ASSERT_TRUE(CProfileSettings::Load(stored));
    EXPECT_EQ(stored.ZoomFactor, DefaultPreferences.ZoomFactor);
}

} // namespace
