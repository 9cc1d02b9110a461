#include "app/QV3DViewer/document/DocFileKind.h"

#include "app/QV3DViewer/document/EqualsNoCase.h"

DocFileKind ClassifyDocPath(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) {
        return DocFileKind::Other;
    }
    const std::string_view extension(path.data() + dot, path.size() - dot);
    if (EqualsNoCase(extension, ".ibw")) {
        return DocFileKind::Ibw;
    }
    if (EqualsNoCase(extension, ".vtl")) {
        return DocFileKind::OwnDocument;
    }
    return DocFileKind::Other;
}
