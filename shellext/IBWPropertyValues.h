// The five values of an .ibw file as typed properties for the Windows property system: the scan
// size as a number (micrometres: the property schema cannot scale a value for display), direction
// and mode as their texts, points and the preview's channel count as integers. They come from the
// note's parsed lines, as the info tip's do, under the keys of the file's trailer kind; a value
// the file does not carry is left out rather than shown as 0.
#pragma once

#include "ibw/CIBWNote.h"

#include <cstdint>
#include <optional>
#include <string>

class CIBWPreview;

struct IBWPropertyValues {
    std::optional<double> scanSizeMicrometres;
    std::optional<std::string> direction; // "Up" or "Down"
    std::optional<std::string> mode;      // "DC" or "AC"
    std::optional<std::uint32_t> points;
    std::optional<std::uint32_t> channels; // the preview footer's count; none without a footer
};

// footer: a preview whose footer (at least) was loaded.
IBWPropertyValues PropertyValues(const CIBWNote& note, const CIBWPreview& footer);
