#include "ui/PreferenceText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace {

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool StartsWithHexPrefix(std::string_view s) {
    return s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The magnitude of an out-of-range number: underflow when its exponent is negative or, without an
// exponent, when no non-zero digit precedes the point.
double OutOfRange(std::string_view number, bool hex) {
    const char marker = hex ? 'p' : 'e';
    for (std::size_t i = 0; i < number.size(); ++i) {
        if ((number[i] | 0x20) == marker) {
            return i + 1 < number.size() && number[i + 1] == '-' ? 0.0 : HUGE_VAL;
        }
    }
    for (char c : number) {
        if (c == '.') {
            return 0.0;
        }
        if (c != '0') {
            return HUGE_VAL;
        }
    }
    return 0.0;
}

} // namespace

std::string FormatPreferenceFloat(float value) {
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::fixed, 5);
    return std::string(text, result.ptr);
}

float ParsePreferenceFloat(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string_view rest = text.substr(i);
    const bool hex =
        StartsWithHexPrefix(rest) && rest.size() > 2 && (HexDigit(rest[2]) >= 0 || rest[2] == '.');
    if (hex) {
        rest.remove_prefix(2);
    }
    // from_chars takes no sign of its own here: a second sign is no number, as for atof.
    if (rest.empty() || rest[0] == '-' || rest[0] == '+') {
        return negative ? -0.0f : 0.0f;
    }
    double value = 0;
    const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value,
                                        hex ? std::chars_format::hex : std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = OutOfRange(std::string_view(rest.data(), static_cast<std::size_t>(result.ptr - rest.data())),
                           hex);
    } else if (result.ec != std::errc()) {
        value = 0;
    }
    if (negative) {
        value = -value;
    }
    // Narrowing a finite double beyond the float range is undefined; it saturates to infinity.
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
        return value < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

std::string FormatPreferenceColor(ColorRGBA colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X%02X%02X", unsigned{colour.r}, unsigned{colour.g},
                  unsigned{colour.b});
    return text;
}

ColorRGBA ParsePreferenceColor(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (StartsWithHexPrefix(text.substr(i)) && i + 2 < text.size() && HexDigit(text[i + 2]) >= 0) {
        i += 2;
    }
    // Only the low bits survive, as when a long scan result is stored into 32 bits.
    std::uint32_t value = 0;
    for (; i < text.size() && HexDigit(text[i]) >= 0; ++i) {
        value = (value << 4) | static_cast<std::uint32_t>(HexDigit(text[i]));
    }
    if (negative) {
        value = 0u - value;
    }
    return {static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value), 0};
}
