#include "shellext/BuildIBWPreviewDescriptor.h"

#include "shellext/FooterNumber.h"
#include "shellext/IBWFooterKeys.h"
#include "shellext/NextFooterEntry.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace {

std::int32_t NumberOr(const IBWFooterKeys& keys, std::string_view key, std::int32_t fallback) {
    const std::optional<std::string_view> value = keys.Find(key);
    return value ? FooterNumber(*value) : fallback;
}

std::string CutName(std::string_view name) {
    return std::string(name.substr(0, kIBWPreviewNameMax));
}

// Version 1: the count entries right after "NumberOfFiles" are "name:offset;". All of them must be
// there; the kept records take theirs.
bool NameVersion1(std::string_view text, std::int32_t count, IBWPreviewDescriptor* d) {
    std::size_t at = text.find("NumberOfFiles");
    if (at == std::string_view::npos) {
        return false;
    }
    std::size_t colon = text.find(':', at);
    if (colon == std::string_view::npos) {
        return false;
    }
    std::size_t semicolon = text.find(';', colon);
    if (semicolon == std::string_view::npos) {
        return false;
    }
    std::size_t pos = semicolon + 1;
    std::string_view key;
    std::string_view value;
    for (std::int32_t i = 0; i < count; ++i) {
        if (!NextFooterEntry(text, &pos, &key, &value)) {
            return false;
        }
        if (static_cast<std::size_t>(i) < d->imageChannels.size()) {
            IBWImagePreview& channel = d->imageChannels[static_cast<std::size_t>(i)];
            channel.name = CutName(key);
            channel.fileStart = FooterNumber(value);
        }
    }
    return true;
}

// Version 2: "DataTypeList" names the channels, each name + "FileStart" holds its offset.
bool NameVersion2(const IBWFooterKeys& keys, IBWPreviewDescriptor* d) {
    const std::optional<std::string_view> list = keys.Find("DataTypeList");
    if (!list || list->empty()) {
        return false;
    }
    std::size_t start = 0;
    for (IBWImagePreview& channel : d->imageChannels) {
        std::size_t comma = list->find(',', start);
        if (comma == std::string_view::npos) {
            break;
        }
        std::string key = std::string(list->substr(start, comma - start)) + "FileStart";
        start = comma + 1;
        if (const std::optional<std::string_view> offset = keys.Find(key)) {
            channel.fileStart = FooterNumber(*offset);
            channel.name = CutName(key);
        }
    }
    return true;
}

} // namespace

bool BuildImagePreviewDescriptor(std::string_view footerText, IBWPreviewDescriptor* out) {
    *out = IBWPreviewDescriptor{};
    IBWFooterKeys keys = IBWFooterKeys::Parse(footerText);
    const std::int32_t count = FooterFileCount(keys, footerText);
    if (count == 0) {
        return false;
    }
    IBWImagePreview common;
    const std::optional<std::string_view> dataType = keys.Find("DataType");
    common.dataType = dataType && (*dataType == "Byte" || *dataType == "UByte") ? 1 : 0;
    common.width = NumberOr(keys, "DataWidth", 0);
    common.height = NumberOr(keys, "DataHeight", 0);
    common.dataLength = NumberOr(keys, "DataLength", 0);

    IBWPreviewDescriptor d;
    d.kind = kIBWPreviewImage;
    d.count = count;
    d.imageChannels.assign(std::min(static_cast<std::size_t>(count), kIBWPreviewMaxRecords), common);
    std::int32_t version = NumberOr(keys, "Version", 1);
    if (version == 1 && !NameVersion1(footerText, count, &d)) {
        return false;
    }
    if (version == 2 && !NameVersion2(keys, &d)) {
        return false;
    }
    *out = std::move(d);
    return true;
}
