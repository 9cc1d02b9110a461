// CPath: splits a file path into drive, folder, file title and extension. The export commands use
// the file title of the document's or the chosen path as the proposed name of what they write.
#pragma once

#include <string>

class CPath {
public:
    CPath() = default;
    explicit CPath(const std::string& path) { SetPath(path); }
    virtual ~CPath() = default;

    // Clears every part, then parses `path`; one pair of surrounding quotation marks is ignored.
    void SetPath(const std::string& path);
    std::string GetFileTitle() const { return fileTitle; }

    std::string fullPath;    // as passed in
    std::string drive;       // "C:" or empty
    std::string folder;      // with its final separator, every '/' turned into '\\'
    bool isRelative = false; // folder present and not starting with '\\'
    std::string fileTitle;   // file name without extension
    std::string extension;   // without its leading dots
};
