#include "app/QV3DViewer/document/CQV3DViewerDoc.h"

#include "app/QV3DViewer/document/DocFileKind.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace {

// The platform's part of an open: the file must be readable, its contents are not looked at.
CQV3DViewerDoc::OpenError CheckReadable(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return errno == ENOENT ? CQV3DViewerDoc::OpenError::fileNotFound
                               : CQV3DViewerDoc::OpenError::failedToOpen;
    }
    std::fclose(file);
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return CQV3DViewerDoc::OpenError::failedToOpen;
    }
    return CQV3DViewerDoc::OpenError::none;
}

} // namespace

bool CQV3DViewerDoc::OnNewDocument() {
    // An empty document shows no surface, so the window title and the picture agree.
    reader.Close();
    pathName.clear();
    title = kUntitled;
    return true;
}

bool CQV3DViewerDoc::OnOpenDocument(const std::string& path) {
    lastOpenError = CheckReadable(path);
    if (lastOpenError != OpenError::none) {
        return false;
    }
    if (ClassifyDocPath(path) == DocFileKind::OwnDocument) {
        reader.Close();
        return true;
    }
    reader.Close();
    if (!reader.Open(path)) {
        return false;
    }
    if (reader.GetChannel(0) == nullptr) {
        reader.Close();
        return false;
    }
    return true;
}

bool CQV3DViewerDoc::OnSaveDocument(const std::string& path) {
    (void)path;
    return false;
}

void CQV3DViewerDoc::OnCloseDocument() {
    reader.Close();
    pathName.clear();
    title = kUntitled;
}

void CQV3DViewerDoc::SetPathName(const std::string& path) {
    pathName = path;
    title = std::filesystem::path(path).filename().string();
}
