#include "shellext/ParseTextNotes.h"

#include <string_view>

QVDFNotes ParseTextNotes(const char* text, std::size_t length) {
    QVDFNotes notes;
    if (!text) {
        return notes;
    }
    std::string_view all(text, length);
    std::size_t cursor = 0;
    for (std::size_t cr = all.find('\r'); cr != std::string_view::npos; cr = all.find('\r', cursor)) {
        std::string_view line = all.substr(cursor, cr - cursor);
        std::size_t colon = line.find(':');
        if (colon != std::string_view::npos) {
            notes.emplace_back(std::string(line.substr(0, colon)), std::string(line.substr(colon + 1)));
        }
        cursor = cr + 1;
    }
    return notes;
}
