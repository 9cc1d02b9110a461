// The grid every channel of an image wave shares: columns and rows, and the extent and start of
// each axis from the first two dimensions' spacings and first coordinates.
#pragma once

#include "ibw/CIBWChannel.h"

#include <array>
#include <cstdint>
#include <string>

// A channel record with the grid fields set. A spacing the surface cannot be drawn with (0, not
// finite, or an extent too large or too small for a 32-bit float) is replaced by 1, so the channel
// is drawn and exported over its element indices; `note` then says so in one line, and is empty
// otherwise.
// The values are taken by value: the instrument's header is packed, its doubles unaligned.
CIBWChannel ChannelGrid(std::int32_t columns, std::int32_t rows, std::array<double, 2> spacing,
                        std::array<double, 2> start, std::string* note);
