#include "app/QV3DViewer/output/ExportDialogRule.h"

ExportDialogRule ExportDialogRuleFor(ViewExportKind kind) {
    switch (kind) {
    case ViewExportKind::Ascii:
        return {"itx", "Igor Ascii Text (*.itx)|*.itx|All Files (*.*)|*.*||"};
    case ViewExportKind::Stl:
        return {"stl", "STL (*.stl)|*.stl|All Files (*.*)|*.*||"};
    case ViewExportKind::Vrml:
        return {"wrl", "WRL (*.wrl)|*.wrl|All Files (*.*)|*.*||"};
    }
    return {};
}

std::vector<std::string> FilterDescriptions(const std::string& filter) {
    // Fields alternate description and pattern; an empty field ends the list.
    std::vector<std::string> descriptions;
    std::size_t at = 0;
    for (bool description = true;; description = !description) {
        const std::size_t bar = filter.find('|', at);
        const std::string field = filter.substr(at, bar == std::string::npos ? std::string::npos : bar - at);
        if (field.empty()) {
            break;
        }
        if (description) {
            descriptions.push_back(field);
        }
        if (bar == std::string::npos) {
            break;
        }
        at = bar + 1;
    }
    return descriptions;
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    const std::size_t nameStart = path.find_last_of("/\\");
    const std::string name = path.substr(nameStart == std::string::npos ? 0 : nameStart + 1);
    if (name.empty() || extension.empty() || name.find('.') != std::string::npos) {
        return path;
    }
    return path + "." + extension;
}
