// CQV3DViewerDoc: the read-only document; holds the wave reader of the opened file for the whole
// run and reuses it for every file.
#pragma once

#include "ibw/CIBWReader.h"

#include <string>

class CQV3DViewerDoc {
public:
    // Why the platform step of an open failed, for the message the application shows.
    enum class OpenError { none, fileNotFound, failedToOpen };

    CQV3DViewerDoc() = default;
    virtual ~CQV3DViewerDoc() = default;

    // A new, empty document: no path, the untitled name, no channels.
    virtual bool OnNewDocument();
    // False for a file that cannot be read (see LastOpenError) or that the reader rejects (see
    // RefusalReason). The file is read into a reader of its own, which replaces the document's
    // only on success: after a failure the document still holds the file it held before.
    virtual bool OnOpenDocument(const std::string& path);
    // The program never writes its input files back.
    virtual bool OnSaveDocument(const std::string& path);
    virtual void OnCloseDocument();

    CIBWReader& GetReader() { return reader; }
    const CIBWReader& GetReader() const { return reader; }
    const std::string& GetPathName() const { return pathName; }
    // Sets the path and the title (the file name without its folder).
    void SetPathName(const std::string& path);
    const std::string& GetTitle() const { return title; }
    OpenError LastOpenError() const { return lastOpenError; }
    // Why the last open failed, a clause such as "it holds a text wave" or "it is a folder";
    // empty after a success or for a file that does not exist.
    const std::string& RefusalReason() const { return refusal; }

    static constexpr const char* kUntitled = "Untitled";

private:
    CIBWReader reader;
    std::string pathName;
    std::string title = kUntitled;
    OpenError lastOpenError = OpenError::none;
    std::string refusal;
};
