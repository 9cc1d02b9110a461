#include "app/QV3DViewer/controls/PreferencesCommand.h"

#include "app/QV3DViewer/frame/CMainFrame.h"
#include "app/QV3DViewer/view/CQV3DViewerView.h"
#include "app/QV3DViewer/controls/CViewControls.h"
#include "app/QV3DViewer/view/CViewWindow.h"
#include "app/QV3DViewer/frame/CommandIds.h"
#include "app/QV3DViewer/controls/MergeDialogPreferences.h"
#include "ui/CPreferencesProp.h"
#include "ui/CProfileSettings.h"

void RunPreferencesCommand(CQV3DViewerView& view, CMainFrame& frame) {
    CPreferencesProp sheet(CurrentPreferences, &view);
    if (sheet.exec() != QDialog::Accepted) {
        return;
    }
    CurrentPreferences = sheet.GetPreferences();
    CProfileSettings::Save(CurrentPreferences);
    ViewController& controller = view.Controller();
    controller.ApplyPreferences(MergeDialogPreferences(controller.GetPreferences(), CurrentPreferences));
    const ColorRGBA back = CurrentPreferences.BackColor;
    const ColorRGBA light = CurrentPreferences.LightColor;
    frame.ViewControls()->SetViewColours(MakeColorRef(back.r, back.g, back.b),
                                         MakeColorRef(light.r, light.g, light.b));
    frame.ViewControls()->UpdateControlStates();
    view.Window()->Repaint();
}

void RegisterPreferencesCommand(CQV3DViewerView& view, CMainFrame& frame) {
    frame.SetHandler(cmd::Preferences, {[&view, &frame] { RunPreferencesCommand(view, frame); }, {}});
}
