#include "shellext/IBWFooterKeys.h"

#include "shellext/FooterNumber.h"
#include "shellext/NextFooterEntry.h"

#include <cstddef>

namespace {

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

} // namespace

IBWFooterKeys IBWFooterKeys::Parse(std::string_view text) {
    IBWFooterKeys keys;
    std::size_t pos = 0;
    std::string key;
    std::string value;
    while (NextFooterEntry(text, &pos, &key, &value)) {
        keys.m_values[LowerAscii(key)] = value;
    }
    return keys;
}

const std::string* IBWFooterKeys::Find(std::string_view key) const {
    auto it = m_values.find(LowerAscii(key));
    return it == m_values.end() ? nullptr : &it->second;
}

std::int32_t FooterFileCount(const IBWFooterKeys& keys, std::string_view footerText) {
    const std::string* files = keys.Find("NumberOfFiles");
    if (files == nullptr) {
        return 0;
    }
    const std::int32_t count = FooterNumber(*files);
    return count > 0 && static_cast<std::size_t>(count) <= footerText.size() ? count : 0;
}
