// The save dialogs of the view's text and geometry exports: default extension and filter of
// each format, and the extension rule applied to the chosen name.
#pragma once

#include <string>
#include <vector>

enum class ViewExportKind {
    Ascii, // Igor text of the main channel
    Stl,   // binary STL of the main surface
    Vrml,  // VRML 2.0 of the main surface
};

struct ExportDialogRule {
    std::string defaultExtension; // without its dot
    std::string filter;           // "Name (*.x)|*.x|...||", the resource form
};

ExportDialogRule ExportDialogRuleFor(ViewExportKind kind);

// The filter's descriptions in order ("STL (*.stl)", "All Files (*.*)"), for the dialog.
std::vector<std::string> FilterDescriptions(const std::string& filter);

// A chosen name without any extension gets the default one, as the dialog of the platform
// the program comes from does; a name with an extension is kept as it is.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);
