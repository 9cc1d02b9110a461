// The packed device-independent bitmap the off-screen frames are returned in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Bytes of one 24-bit row: width x 3 rounded up to a multiple of 4.
std::size_t DibRowSize(int width);
// Where the pixels start: after the 40-byte info header, and the 14-byte file header if any.
std::size_t DibPixelOffset(bool infoHeaderOnly);
// Headers filled in, pixels zeroed.
std::vector<std::uint8_t> MakeDibBuffer(int width, int height, bool infoHeaderOnly);
