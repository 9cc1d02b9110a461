#include "app/QV3DViewer/document/CQV3DViewerDoc.h"

#include "app/QV3DViewer/document/DocFileKind.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

namespace {

// The platform's part of an open: the file must be readable, its contents are not looked at.
// `why` says what stood in the way of a file that exists.
CQV3DViewerDoc::OpenError CheckReadable(const std::string& path, std::string& why) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        if (errno == ENOENT) {
            return CQV3DViewerDoc::OpenError::fileNotFound;
        }
        why = std::string("it could not be opened (") + std::strerror(errno) + ")";
        return CQV3DViewerDoc::OpenError::failedToOpen;
    }
    std::fclose(file);
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        why = "it is a folder";
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
    refusal.clear();
    lastOpenError = CheckReadable(path, refusal);
    if (lastOpenError != OpenError::none) {
        return false;
    }
    if (ClassifyDocPath(path) == DocFileKind::OwnDocument) {
        reader.Close();
        return true;
    }
    CIBWReader fresh;
    if (!fresh.Open(path) || fresh.GetChannel(0) == nullptr) {
        refusal = fresh.RefusalReason().empty() ? "it holds no image channel" : fresh.RefusalReason();
        return false;
    }
    reader = std::move(fresh);
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
