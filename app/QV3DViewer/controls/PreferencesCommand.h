// The preferences command: the "Preferences" sheet on the application's record; OK replaces and
// saves that record and hands part of it to the open view.
#pragma once

class CMainFrame;
class CQV3DViewerView;

void RunPreferencesCommand(CQV3DViewerView& view, CMainFrame& frame);
void RegisterPreferencesCommand(CQV3DViewerView& view, CMainFrame& frame);
