// An 8-bit palettised bitmap in memory, laid out like a bottom-up device-independent bitmap:
// the first stored row is the bottom row, rows padded to a multiple of 4 bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

struct PaletteBitmap {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t rowLength = 0;               // bytes per stored row
    std::array<std::uint32_t, 256> palette{}; // 0x00RRGGBB, the byte order of a DIB's colour table
    std::vector<std::uint8_t> pixels;         // rowLength x height palette indices

    // A bitmap of every index 0, or none when a side is not positive or larger than 32767.
    static bool Create(std::int32_t width, std::int32_t height, const std::array<std::uint32_t, 256>& palette,
                       PaletteBitmap* out);

    // The index at column x of stored row y (row 0 at the bottom).
    std::uint8_t At(std::int32_t x, std::int32_t y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(rowLength) +
                      static_cast<std::size_t>(x)];
    }
};

// Entry i is the grey (i, i, i).
std::array<std::uint32_t, 256> PreviewPalette();
