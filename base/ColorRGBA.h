// A colour as four bytes; Windows colour values are converted to it at the user-interface edge.
#pragma once

#include <cstdint>

struct ColorRGBA {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;

    friend bool operator==(const ColorRGBA&, const ColorRGBA&) = default;
};
