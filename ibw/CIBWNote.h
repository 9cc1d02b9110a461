// The wave note of one file as ordered key/value pairs, with the file's dimension names and
// labels and its trailer kind.
#pragma once

#include "ibw/IBWStream.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CIBWNote {
public:
    CIBWNote() = default;
    // Loads at once; failures leave the note partly or wholly empty.
    CIBWNote(const std::string& path, bool parse);
    CIBWNote(IBWStream& stream, bool parse);
    // From note bytes already read as ReadIBWNoteText gives them (the note, two carriage returns,
    // a zero) and the file's trailer kind; no dimension labels.
    CIBWNote(std::vector<char> noteText, std::int32_t noteBytes, std::int32_t trailer, bool parse);
    virtual ~CIBWNote() = default;

    // The first pair's value for the key (exact match), else a search of the raw text.
    std::string GetValue(const std::string& key) const;

    std::vector<char> text; // note bytes, two carriage returns, a zero; empty when none was read
    std::int32_t textBytes = 0;
    std::vector<std::pair<std::string, std::string>> pairs;
    std::array<std::string, 4> dimNames;
    std::array<std::vector<std::string>, 4> dimLabels;
    std::int32_t trailerKind = 0;

private:
    void Load(IBWStream& stream, bool parse);
    void Parse();
};
