#include "shellext/IBWPropertyValues.h"

#include "shellext/CIBWPreview.h"
#include "shellext/ColumnText.h"

#include <cstdlib>

namespace {

// The note's value of the column's key for the file's trailer kind; none when absent or empty.
std::optional<std::string> NoteValue(const CIBWNote& note, int pid) {
    const char* key = ColumnKey(*ColumnAt(pid), note.trailerKind);
    if (key == nullptr) {
        return std::nullopt;
    }
    std::string value = note.GetValue(key);
    if (value.empty()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

IBWPropertyValues PropertyValues(const CIBWNote& note, const CIBWPreview& footer) {
    IBWPropertyValues values;
    if (auto size = NoteValue(note, 0)) {
        char* end = nullptr;
        const double metres = std::strtod(size->c_str(), &end);
        if (end != size->c_str()) {
            values.scanSizeMicrometres = metres * 1e6;
        }
    }
    // The columns' reading: a value that is no number counts as 0.
    if (auto down = NoteValue(note, 1)) {
        values.direction = std::strtol(down->c_str(), nullptr, 10) == 0 ? "Up" : "Down";
    }
    if (auto mode = NoteValue(note, 2)) {
        values.mode = std::strtol(mode->c_str(), nullptr, 10) == 0 ? "DC" : "AC";
    }
    if (auto points = NoteValue(note, 3)) {
        char* end = nullptr;
        const long long number = std::strtoll(points->c_str(), &end, 10);
        if (end != points->c_str() && number >= 0 && number <= UINT32_MAX) {
            values.points = static_cast<std::uint32_t>(number);
        }
    }
    if (footer.GetDescriptor()) {
        values.channels = static_cast<std::uint32_t>(footer.GetChannelCount());
    }
    return values;
}
