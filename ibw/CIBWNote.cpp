#include "ibw/CIBWNote.h"

#include "ibw/IBWRead.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>

namespace {

std::string LabelText(const IBWLabel& label) {
    return std::string(label.data(), strnlen(label.data(), label.size()));
}

} // namespace

CIBWNote::CIBWNote(const std::string& path, bool parse) {
    std::FILE* file = nullptr;
    if (IBWFileOpen(path, false, &file) != kIBWFileOK) {
        return;
    }
    IBWStream stream(file);
    Load(stream, parse);
    IBWFileClose(file);
}

CIBWNote::CIBWNote(IBWStream& stream, bool parse) {
    Load(stream, parse);
}

void CIBWNote::Load(IBWStream& stream, bool parse) {
    if (ReadIBWNoteText(stream, &text, &textBytes) != 0) {
        return;
    }
    IBWDimLabels labels;
    if (ReadIBWDimLabels(stream, &labels) == 0) {
        for (int d = 0; d < 4; ++d) {
            dimNames[d] = LabelText(labels.name[d]);
            for (const IBWLabel& label : labels.labels[d]) {
                dimLabels[d].push_back(LabelText(label));
            }
        }
    }
    trailerKind = ReadIBWTrailerKind(stream);
    if (parse) {
        Parse();
    }
}

CIBWNote::CIBWNote(std::vector<char> noteText, std::int32_t noteBytes, std::int32_t trailer, bool parse)
    : text(std::move(noteText)), textBytes(noteBytes), trailerKind(trailer) {
    if (parse) {
        Parse();
    }
}

void CIBWNote::Parse() {
    // Lines end with a carriage return only; a line feed belongs to the next key or value.
    std::string_view all(text.data(), text.empty() ? 0 : text.size() - 1);
    std::size_t cursor = 0;
    try {
        for (;;) {
            std::size_t cr = all.find('\r', cursor);
            if (cr == std::string_view::npos) {
                break;
            }
            std::size_t colon = all.find(':', cursor);
            if (colon != std::string_view::npos && colon < cr && colon > cursor) {
                std::string_view value = all.substr(colon + 1, cr - colon - 1);
                value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
                pairs.emplace_back(std::string(all.substr(cursor, colon - cursor)), std::string(value));
            }
            cursor = cr + 1;
            while (cursor < all.size() && all[cursor] == '\r') {
                ++cursor;
            }
        }
    } catch (const std::bad_alloc&) {
        // Out of memory ends the parse; the pairs gathered so far stay.
    }
}

std::string CIBWNote::GetValue(const std::string& key) const {
    if (!pairs.empty()) {
        for (const auto& [k, v] : pairs) {
            if (k == key) {
                return v;
            }
        }
        return {};
    }
    if (text.empty()) {
        return {};
    }
    std::string_view all(text.data(), strnlen(text.data(), text.size()));
    std::size_t at = all.find(key);
    if (at == std::string_view::npos) {
        return {};
    }
    std::size_t colon = all.find(':', at);
    if (colon == std::string_view::npos || colon == at) {
        return {};
    }
    std::size_t cr = all.find('\r', colon + 1);
    std::size_t length = (cr == std::string_view::npos ? all.size() : cr) - colon - 1;
    return std::string(all.substr(colon + 1, std::min<std::size_t>(length, 63)));
}
