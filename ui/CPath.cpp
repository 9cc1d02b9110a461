#include "ui/CPath.h"

#include <algorithm>

void CPath::SetPath(const std::string& path) {
    *this = CPath();
    fullPath = path;

    // Paths of any length are kept whole: cutting them would propose a wrong name silently.
    std::string text = path;
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    if (text.empty()) {
        return;
    }

    // Split the way the C runtime's path splitter does: drive, folder up to the last
    // separator, then the name and the extension from its last dot.
    std::string rest = text;
    if (rest.size() >= 2 && rest[1] == ':') {
        drive = rest.substr(0, 2);
        rest.erase(0, 2);
    }
    const auto lastSeparator = rest.find_last_of("/\\");
    std::string name = rest;
    if (lastSeparator != std::string::npos) {
        folder = rest.substr(0, lastSeparator + 1);
        name = rest.substr(lastSeparator + 1);
    }
    std::replace(folder.begin(), folder.end(), '/', '\\');
    isRelative = !folder.empty() && folder.front() != '\\';

    std::string ext;
    const auto lastDot = name.rfind('.');
    if (lastDot != std::string::npos) {
        ext = name.substr(lastDot);
        name.erase(lastDot);
    }
    fileTitle = name;
    if (!fileTitle.empty()) {
        extension = ext.substr(std::min(ext.find_first_not_of('.'), ext.size()));
    }
}
