// The view's export commands of the Image menu besides the picture: "ASCII Export...",
// "STL Export..." and "VRML Export...", each a save dialog and then the export under the wait
// cursor, and "Note...", the image note dialog of the open file.
#pragma once

#include "app/QV3DViewer/output/ExportDialogRule.h"

class CMainFrame;
class CQV3DViewerView;

void RunViewExportCommand(CQV3DViewerView& view, ViewExportKind kind);
void RegisterExportCommands(CQV3DViewerView& view, CMainFrame& frame);
