// WriteViewExport: writes what the view shows as Igor text (the main channel, with the note and
// the chosen file's title as the wave name), or the main surface as STL (with colours) or VRML.
// The menu commands and the batch mode share it.
#pragma once

#include "app/QV3DViewer/output/ExportDialogRule.h"

#include <string>

class CIBWReader;
class ViewController;

// False when nothing was written, with a one-line reason in `error` when given.
bool WriteViewExport(ViewExportKind kind, ViewController& controller, const CIBWReader& reader,
                     const std::string& path, std::string* error);
