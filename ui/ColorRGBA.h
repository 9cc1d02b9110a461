// ColorRGBA: a colour as four bytes in the order the renderer takes them.
#pragma once

#include <cstdint>

struct ColorRGBA {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;

    friend bool operator==(const ColorRGBA&, const ColorRGBA&) = default;
};
