// One frame that uses every part of the renderer a memory context draws: a lit surface with
// axes, unit labels, bounding box, colour bar and the on-screen view block.
#pragma once

#include <cstdint>
#include <vector>

// The frame as a bottom-up 24-bit DIB with its 14-byte file header; empty without GL.
std::vector<std::uint8_t> DrawReferenceScene(int width, int height);
