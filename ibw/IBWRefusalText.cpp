#include "ibw/IBWRefusalText.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string Plural(std::int64_t n, const char* word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

// The types of the format: floats of 32 or 64 bits, integers of 8, 16 or 32 bits that may be
// unsigned, each of them complex or not, and text.
bool TypeIsDefined(int type) {
    const int base = type & ~(kIBWTypeComplex | kIBWTypeUnsigned);
    const bool integer = base == kIBWTypeInt8 || base == kIBWTypeInt16 || base == kIBWTypeInt32;
    const bool real = base == kIBWTypeFloat32 || base == kIBWTypeFloat64;
    if (type == kIBWTypeText) {
        return true;
    }
    return integer || (real && (type & kIBWTypeUnsigned) == 0);
}

} // namespace

std::string UnshowableWaveText(const IBWWaveInfo& info, int trailerKind) {
    const std::array<std::int32_t, 4>& n = info.dims;
    if (trailerKind == kIBWTrailerForce) {
        const std::int64_t points = n[0] > 0 ? n[0] : std::max(info.points, 0);
        return "it holds a force curve of " + Plural(points, "point") + " in " +
               Plural(std::max(n[1], 1), "channel");
    }
    if (info.type == kIBWTypeText) {
        return "it holds a text wave";
    }
    if (!TypeIsDefined(info.type)) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%x", static_cast<unsigned>(info.type) & 0xFFFFu);
        return "its data type " + std::string(hex) + " is not one the Igor binary wave format defines";
    }
    if ((info.type & kIBWTypeComplex) != 0) {
        return "it holds a complex wave";
    }
    const int used = UsedDimensions(info);
    // Negative sizes are damage, which the caller's check of the dimensions names.
    if (std::any_of(n.begin(), n.begin() + used, [](std::int32_t size) { return size < 0; })) {
        return {};
    }
    if (info.points == 0 || used == 0) {
        return "it holds an empty wave";
    }
    if (used == 4) {
        return "it holds a 4-D wave of " + std::to_string(n[0]) + " x " + std::to_string(n[1]) + " x " +
               std::to_string(n[2]) + " x " + std::to_string(n[3]) + " points";
    }
    if (used == 1) {
        return "it holds a 1-D wave of " + Plural(n[0], "point");
    }
    return {};
}

std::string ProblemText(IBWProblem problem) {
    switch (problem) {
    case IBWProblem::none:
        break;
    case IBWProblem::unreadable:
        return "it could not be read";
    case IBWProblem::empty:
        return "it is empty";
    case IBWProblem::notAWave:
        return "it is not an Igor binary wave";
    case IBWProblem::checksum:
        return "its header checksum is wrong, so it is damaged or not an Igor binary wave";
    case IBWProblem::badPointCount:
        return "it is damaged: its number of points is negative";
    case IBWProblem::invalidType:
        return "its data type is not one the Igor binary wave format defines";
    case IBWProblem::dataPastEnd:
        return "it is cut short: its wave data extends past the end of the file";
    case IBWProblem::sectionsPastEnd:
        return "it is cut short: its note or dimension labels extend past the end of the file";
    case IBWProblem::sizesDisagree:
        return "it is damaged: its header gives the wave data less room than the data takes";
    case IBWProblem::layersPastData:
        return "it is damaged: its dimensions hold more points than the wave";
    case IBWProblem::noMemory:
        return "there is not enough memory to read it";
    }
    return "it could not be read";
}
