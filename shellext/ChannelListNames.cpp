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

std::vector<ChannelListEntry> ChannelListNames(const CIBWPreview& preview) {
    std::vector<ChannelListEntry> entries;
    const auto& descriptor = preview.GetDescriptor();
    if (!descriptor) {
        return entries;
    }
    // Only the kept records carry names.
    const std::size_t records = std::max(descriptor->imageChannels.size(), descriptor->forceChannels.size());
    for (std::size_t i = 0; i < records; ++i) {
        std::string name = ChannelListName(preview, static_cast<int>(i));
        if (!name.empty()) {
            entries.push_back({static_cast<int>(i), std::move(name)});
        }
    }
    return entries;
}

std::vector<ChannelListEntry> ChannelListNames(const CQVDFReader& reader) {
    std::vector<ChannelListEntry> entries;
    for (int i = 0; i < reader.GetImageCount(); ++i) {
        std::string name = reader.GetChannelName(i);
        if (!name.empty()) {
            entries.push_back({i, std::move(name)});
        }
    }
    return entries;
}
