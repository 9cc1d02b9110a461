// Fuzzes the text forms of the stored preferences: any stored text must parse without reading
// past its end, and what is written back must read back as the same value.
#include "ui/PreferenceText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const ColorRGBA colour = ParsePreferenceColor(text);
    if (colour.a != 0 || !(ParsePreferenceColor(FormatPreferenceColor(colour)) == colour)) {
        __builtin_trap();
    }

    const float value = ParsePreferenceFloat(text);
    if (std::isfinite(value) && std::fabs(value) < 1e30f) {
        const float again = ParsePreferenceFloat(FormatPreferenceFloat(value));
        if (std::fabs(again - value) > 1e-5f * std::fmax(1.0f, std::fabs(value))) {
            __builtin_trap();
        }
    }
    return 0;
}
