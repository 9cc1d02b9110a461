// The off-screen frames come as packed bottom-up 24-bit bitmaps; Qt's encoders, the clipboard
// and the printer take a QImage.
#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

// A null image when the block is not a complete 24-bit bitmap with a 40-byte info header.
QImage DibToImage(const std::vector<std::uint8_t>& dib);
