#include "shellext/BuildIBWPreviewDescriptor.h"

#include "shellext/FooterNumber.h"
#include "shellext/IBWFooterKeys.h"
#include "shellext/NextFooterEntry.h"

#include <cstddef>
#include <string>

namespace {

std::int32_t NumberOr(const IBWFooterKeys& keys, std::string_view key, std::int32_t fallback) {
    const std::string* value = keys.Find(key);
    return value != nullptr ? FooterNumber(*value) : fallback;
}

std::string CutName(std::string name) {
    if (name.size() > kIBWPreviewNameMax) {
        name.resize(kIBWPreviewNameMax);
    }
    return name;
}

// Version 1: the count entries right after "NumberOfFiles" are "name:offset;".
bool NameVersion1(std::string_view text, IBWPreviewDescriptor* d) {
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
    std::string key;
    std::string value;
    for (IBWImagePreview& channel : d->imageChannels) {
        if (!NextFooterEntry(text, &pos, &key, &value)) {
            return false;
        }
        channel.name = CutName(key);
        channel.fileStart = FooterNumber(value);
    }
    return true;
}

// Version 2: "DataTypeList" names the channels, each name + "FileStart" holds its offset.
bool NameVersion2(const IBWFooterKeys& keys, IBWPreviewDescriptor* d) {
    const std::string* list = keys.Find("DataTypeList");
    if (list == nullptr || list->empty()) {
        return false;
    }
    std::size_t start = 0;
    for (IBWImagePreview& channel : d->imageChannels) {
        std::size_t comma = list->find(',', start);
        if (comma == std::string::npos) {
            break;
        }
        std::string key = list->substr(start, comma - start) + "FileStart";
        start = comma + 1;
        if (const std::string* offset = keys.Find(key)) {
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
    const std::string* dataType = keys.Find("DataType");
    common.dataType = dataType != nullptr && (*dataType == "Byte" || *dataType == "UByte") ? 1 : 0;
    common.width = NumberOr(keys, "DataWidth", 0);
    common.height = NumberOr(keys, "DataHeight", 0);
    common.dataLength = NumberOr(keys, "DataLength", 0);

    IBWPreviewDescriptor d;
    d.kind = kIBWPreviewImage;
    d.count = count;
    d.imageChannels.assign(static_cast<std::size_t>(count), common);
    std::int32_t version = NumberOr(keys, "Version", 1);
    if (version == 1 && !NameVersion1(footerText, &d)) {
        return false;
    }
    if (version == 2 && !NameVersion2(keys, &d)) {
        return false;
    }
    *out = std::move(d);
    return true;
}
