// UnitText: reading what a user types into a unit edit ("2.5 nm", "300p", "1e-9") and the printf
// format its value is shown with. Texts are single-byte Windows-1252 (the micro sign is 0xB5).
#pragma once

#include <string>

struct UnitInput {
    float number = 0.0f;  // 0 when the text does not start with a usable number
    bool hasWord = false; // a word of at most kMaxUnitWord characters follows the number
    std::string word;
};

inline constexpr std::size_t kMaxUnitWord = 11;

// A number, then an optional word; both may be preceded by white space. A word longer than
// kMaxUnitWord counts as absent, and a number that is not finite reads as 0.
UnitInput ScanUnitInput(const std::string& text);

// The factor the word's first character stands for as an SI prefix, 1 for any other. A word that is
// the base unit itself ("m" for metres) is that unit, not the prefix its first letter looks like.
double PrefixMultiplier(const std::string& word, const std::string& baseUnit);

// "%0.0" + precision + "f", then " %s" when the value is shown with a unit.
std::string UnitDisplayFormat(int precision, bool withUnit);
