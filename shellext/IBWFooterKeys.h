// The key map of a preview footer: keys matched without regard to ASCII case, later entries
// replacing earlier ones. It holds positions in the footer text, 16 bytes an entry, so a damaged
// 1 MB footer of tiny entries stays a few megabytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

class IBWFooterKeys {
public:
    // The text must outlive the map: values are views into it. Entries without a key are not
    // kept, no lookup asks for one.
    static IBWFooterKeys Parse(std::string_view text);

    // The value stored under the key, or none when the footer has no such entry.
    std::optional<std::string_view> Find(std::string_view key) const;
    std::size_t Size() const { return m_entries.size(); } // keys kept, repeated ones included

private:
    struct Entry {
        std::uint32_t hash; // of the lower-cased key
        std::uint32_t keyAt;
        std::uint32_t keyLength;
        std::uint32_t valueAt; // the value runs to the next ';'
    };

    std::string_view m_text;
    std::vector<Entry> m_entries; // by hash, then in text order
};

// "NumberOfFiles" as a record count, or 0 when it is absent, not positive, or larger than the
// footer text could describe (every record takes at least one byte of it).
std::int32_t FooterFileCount(const IBWFooterKeys& keys, std::string_view footerText);
