#include "tools/ibwdump/FooterEntries.h"

#include "ibw/IBWFileIO.h"

#include <cstring>

namespace {

bool ReadAt(IBWStream& file, std::int64_t offset, std::size_t count, char* buffer) {
    std::size_t got = 0;
    return file.SetPosition(offset, kIBWFromStart) == kIBWFileOK &&
           file.Read(count, buffer, &got) == kIBWFileOK && got == count;
}

bool ReadTail(IBWStream& file, FooterEntries* footer, std::string* text) {
    std::int64_t size = 0;
    char tag[6] = {};
    char length[7] = {};
    if (file.EndPosition(&size) != kIBWFileOK || size < 11 || !ReadAt(file, size - 5, 5, tag) ||
        (std::strcmp(tag, "KTZ9W") != 0 && std::strcmp(tag, "Force") != 0) ||
        !ReadAt(file, size - 11, 6, length)) {
        return false;
    }
    const char* digits = length;
    while (*digits == ' ') {
        ++digits;
    }
    std::int64_t value = 0;
    for (; *digits >= '0' && *digits <= '9'; ++digits) {
        value = value * 10 + (*digits - '0');
    }
    if (value < 11 || value > size) {
        return false;
    }
    text->resize(static_cast<std::size_t>(value - 11));
    if (!text->empty() && !ReadAt(file, size - value, text->size(), text->data())) {
        return false;
    }
    footer->tag = tag;
    footer->length = value;
    return true;
}

} // namespace

bool ReadFooterEntries(IBWStream& stream, FooterEntries* footer) {
    std::string text;
    FooterEntries result;
    if (!ReadTail(stream, &result, &text)) {
        return false;
    }
    std::size_t at = 0;
    for (std::size_t semicolon; (semicolon = text.find(';', at)) != std::string::npos; at = semicolon + 1) {
        std::string entry = text.substr(at, semicolon - at);
        if (entry.empty()) {
            continue;
        }
        std::size_t colon = entry.find(':');
        std::string value = colon == std::string::npos ? std::string() : entry.substr(colon + 1);
        value.erase(0, value.find_first_not_of(' ') == std::string::npos ? value.size()
                                                                         : value.find_first_not_of(' '));
        result.entries.emplace_back(entry.substr(0, colon), value);
    }
    *footer = std::move(result);
    return true;
}
