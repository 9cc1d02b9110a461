#include "shellext/NextFooterEntry.h"

bool NextFooterEntry(std::string_view text, std::size_t* pos, std::string_view* key,
                     std::string_view* value) {
    if (*pos > text.size()) {
        return false;
    }
    std::size_t end = text.find(';', *pos);
    if (end == std::string_view::npos) {
        return false;
    }
    std::string_view entry = text.substr(*pos, end - *pos);
    std::size_t colon = entry.find(':');
    if (colon == std::string_view::npos) {
        *key = {};
        *value = {};
    } else {
        std::size_t start = colon + 1;
        while (start < entry.size() && entry[start] == ' ') {
            ++start;
        }
        *key = entry.substr(0, colon);
        *value = entry.substr(start);
    }
    std::size_t next = end + 1;
    while (next < text.size() && text[next] == ';') {
        ++next;
    }
    *pos = next;
    return true;
}
