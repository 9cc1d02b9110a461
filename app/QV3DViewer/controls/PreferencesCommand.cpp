#include "app/QV3DViewer/PreferencesCommand.h"

#include "app/QV3DViewer/CMainFrame.h"
#include "app/QV3DViewer/CQV3DViewerView.h"
#include "app/QV3DViewer/CViewControls.h"
#include "app/QV3DViewer/CViewWindow.h"
#include "app/QV3DViewer/CommandIds.h"
#include "app/QV3DViewer/MergeDialogPreferences.h"
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
