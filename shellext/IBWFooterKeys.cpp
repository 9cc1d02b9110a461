#include "shellext/IBWFooterKeys.h"

#include "shellext/FooterNumber.h"
#include "shellext/NextFooterEntry.h"

#include <algorithm>

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualLower(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// FNV-1a of the lower-cased key: the table is sorted by numbers, not by texts.
std::uint32_t KeyHash(std::string_view key) {
    std::uint32_t hash = 2166136261u;
    for (char c : key) {
        hash = (hash ^ static_cast<unsigned char>(LowerAscii(c))) * 16777619u;
    }
    return hash;
}

} // namespace

IBWFooterKeys IBWFooterKeys::Parse(std::string_view text) {
    IBWFooterKeys keys;
    keys.m_text = text;
    // Every entry ends in its own ';': reserved at once, the table never holds two copies of itself.
    keys.m_entries.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), ';')));
    std::size_t pos = 0;
    std::string_view key;
    std::string_view value;
    while (NextFooterEntry(text, &pos, &key, &value)) {
        if (!key.empty()) {
            keys.m_entries.push_back(Entry{KeyHash(key), static_cast<std::uint32_t>(key.data() - text.data()),
                                           static_cast<std::uint32_t>(key.size()),
                                           static_cast<std::uint32_t>(value.data() - text.data())});
        }
    }
    // In place: a stable sort would want a copy of the whole table.
    std::sort(keys.m_entries.begin(), keys.m_entries.end(), [](const Entry& a, const Entry& b) {
        return a.hash != b.hash ? a.hash < b.hash : a.keyAt < b.keyAt;
    });
    return keys;
}

std::optional<std::string_view> IBWFooterKeys::Find(std::string_view key) const {
    const std::uint32_t hash = KeyHash(key);
    auto after = std::upper_bound(m_entries.begin(), m_entries.end(), hash,
                                  [](std::uint32_t h, const Entry& e) { return h < e.hash; });
    // From the last entry of the hash back: the last entry of the key is the one that counts, and
    // other keys may share its hash.
    for (auto e = after; e != m_entries.begin() && (e - 1)->hash == hash; --e) {
        const Entry& entry = *(e - 1);
        if (EqualLower(m_text.substr(entry.keyAt, entry.keyLength), key)) {
            const std::size_t end = m_text.find(';', entry.valueAt);
            return m_text.substr(entry.valueAt, end - entry.valueAt);
        }
    }
    return std::nullopt;
}

std::int32_t FooterFileCount(const IBWFooterKeys& keys, std::string_view footerText) {
    const std::optional<std::string_view> files = keys.Find("NumberOfFiles");
    if (!files) {
        return 0;
    }
    const std::int32_t count = FooterNumber(*files);
    return count > 0 && static_cast<std::size_t>(count) <= footerText.size() ? count : 0;
}
