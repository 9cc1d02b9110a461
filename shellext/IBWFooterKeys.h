// The key map of a preview footer: keys matched without regard to ASCII case, later entries
// replacing earlier ones.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

class IBWFooterKeys {
public:
    static IBWFooterKeys Parse(std::string_view text);

    // The value stored under the key, or null when the footer has no such entry.
    const std::string* Find(std::string_view key) const;

private:
    std::map<std::string, std::string> m_values; // lower-cased key -> value as written
};

// "NumberOfFiles" as a usable record count, or 0 when it is absent, not positive, or larger than
// the footer text could describe (every record takes at least one byte of it).
std::int32_t FooterFileCount(const IBWFooterKeys& keys, std::string_view footerText);
