#include "ibw/UnitForChannelName.h"

#include <algorithm>
#include <utility>

std::string UnitForChannelName(const std::string& name) {
    // Tested in this order: the first substring found anywhere in the name decides.
    static const std::pair<const char*, const char*> kUnits[] = {
        // The instrument stores deflection in metres, like height.
        {"height", "m"},      {"zsensor", "m"},     {"amplitude", "m"}, {"deflection", "m"},
        {"phase", "\xB0"},    {"potential", "V"},   {"current", "A"},   {"frequency", "Hz"},
        {"capacitance", "F"}, {"count", ""},        {"modulus", "Pa"},  {"elasticity", "Pa"},
        {"youngs", "Pa"},     {"stiffness", "N/m"},
    };
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) -> char {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    });
    for (const auto& [part, unit] : kUnits) {
        if (lower.find(part) != std::string::npos) {
            return unit;
        }
    }
    return "V";
}
