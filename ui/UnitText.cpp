#include "ui/UnitText.h"

#include <charconv>
#include <cmath>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

UnitInput ScanUnitInput(const std::string& text) {
    UnitInput input;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && IsSpace(*p)) {
        ++p;
    }
    // The standard parser reads a leading minus itself but not a plus.
    const char* numberStart = (p != end && *p == '+') ? p + 1 : p;
    float number = 0.0f;
    const auto [next, error] = std::from_chars(numberStart, end, number);
    if (error == std::errc::invalid_argument) {
        return input; // no leading number: nothing else is read either
    }
    if (error == std::errc() && std::isfinite(number)) {
        input.number = number;
    }
    p = next;
    while (p != end && IsSpace(*p)) {
        ++p;
    }
    const char* wordStart = p;
    while (p != end && !IsSpace(*p)) {
        ++p;
    }
    const auto length = static_cast<std::size_t>(p - wordStart);
    if (length > 0 && length <= kMaxUnitWord) {
        input.hasWord = true;
        input.word.assign(wordStart, length);
    }
    return input;
}

double PrefixMultiplier(const std::string& word, const std::string& baseUnit) {
    if (word.empty() || word == baseUnit) {
        return 1.0;
    }
    switch (word.front()) {
    case 'a':
        return 1e-18;
    case 'f':
        return 1e-15;
    case 'p':
        return 1e-12;
    case 'n':
        return 1e-9;
    case 'u':
    case '\xB5':
        return 1e-6;
    case 'm':
        return 1e-3;
    case 'k':
        return 1e3;
    case 'M':
        return 1e6;
    case 'G':
        return 1e9;
    case 'T':
        return 1e12;
    case 'P':
        return 1e15;
    default:
        return 1.0;
    }
}

std::string UnitDisplayFormat(int precision, bool withUnit) {
    return "%0.0" + std::to_string(precision) + "f" + (withUnit ? " %s" : "");
}
