#include "shellext/ChannelListNames.h"

#include "shellext/CIBWPreview.h"
#include "shellext/CQVDFReader.h"

#include <algorithm>
#include <cctype>

std::string ChannelListName(const CIBWPreview& preview, int i) {
    std::string name = preview.GetChannelName(i).value_or(std::string());
    if (preview.GetKind() != kIBWPreviewImage) {
        return name;
    }
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name.substr(0, lower.find("filestart"));
}

std::vector<std::string> ChannelListNames(const CIBWPreview& preview) {
    std::vector<std::string> names;
    for (int i = 0; i < preview.GetChannelCount(); ++i) {
        std::string name = ChannelListName(preview, i);
        if (!name.empty()) {
            names.push_back(name);
        }
    }
    return names;
}

std::vector<std::string> ChannelListNames(const CQVDFReader& reader) {
    std::vector<std::string> names;
    for (int i = 0; i < reader.GetImageCount(); ++i) {
        std::string name = reader.GetChannelName(i);
        if (!name.empty()) {
            names.push_back(name);
        }
    }
    return names;
}
