// Whole preference records for tests, made from the one list of fields: a field added to the list
// is compared, printed and changed by every test that uses these, without editing the test.
#pragma once

#include "ui/ViewerPreferences.h"

#include <cstdint>
#include <map>
#include <string>

namespace preftest {

inline std::string Text(bool v) {
    return std::to_string(v);
}
inline std::string Text(int v) {
    return std::to_string(v);
}
inline std::string Text(float v) {
    return std::to_string(v);
}
inline std::string Text(ColorRGBA c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + "," +
           std::to_string(c.a);
}

// Every field of the record by name, as text.
inline std::map<std::string, std::string> Fields(const ViewerPreferences& p) {
    std::map<std::string, std::string> fields;
    ForEachPreference([&](const char* name, auto member, PreferenceStore, PreferenceMerge, PreferenceRange) {
        fields[name] = Text(p.*member);
    });
    return fields;
}

inline bool Other(bool v, PreferenceRange) {
    return !v;
}
// The next value of a short range, else 16 or 17: a valid table index and threshold alike.
inline int Other(int v, PreferenceRange range) {
    const auto low = static_cast<int>(range.low);
    const int count = static_cast<int>(range.high) - low + 1;
    if (range.high > range.low && count <= 16) {
        return low + ((v - low + 1) % count + count) % count;
    }
    return v == 16 ? 17 : 16;
}
// Quarters: whole percentages and few decimals, so they survive the dialog's edits.
inline float Other(float v, PreferenceRange) {
    return v == 0.25f ? 0.75f : 0.25f;
}
inline ColorRGBA Other(ColorRGBA c, PreferenceRange) {
    return {static_cast<std::uint8_t>(c.r ^ 0x5A), static_cast<std::uint8_t>(c.g ^ 0x3C),
            static_cast<std::uint8_t>(c.b ^ 0x0F), c.a};
}

// A record that differs from `p` in every field, each within its range; colours keep alpha.
inline ViewerPreferences EveryFieldOtherThan(const ViewerPreferences& p) {
    ViewerPreferences d = p;
    ForEachPreference([&](const char*, auto member, PreferenceStore, PreferenceMerge, PreferenceRange range) {
        d.*member = Other(p.*member, range);
    });
    return d;
}

} // namespace preftest
