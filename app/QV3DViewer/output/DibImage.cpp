#include "app/QV3DViewer/output/DibImage.h"

namespace {

constexpr std::size_t kInfoHeaderSize = 40;

std::int32_t ReadInt32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t ReadUInt16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

} // namespace

QImage DibToImage(const std::vector<std::uint8_t>& dib) {
    if (dib.size() < kInfoHeaderSize || ReadInt32(dib.data()) != static_cast<std::int32_t>(kInfoHeaderSize) ||
        ReadUInt16(dib.data() + 14) != 24) {
        return {};
    }
    const std::int32_t width = ReadInt32(dib.data() + 4);
    const std::int32_t height = ReadInt32(dib.data() + 8);
    if (width <= 0 || height <= 0) {
        return {};
    }
    // The header's sizes are checked against the block before any row is read.
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * 3 + 3) / 4 * 4;
    if ((dib.size() - kInfoHeaderSize) / stride < static_cast<std::uint64_t>(height)) {
        return {};
    }
    QImage image(width, height, QImage::Format_RGB888);
    if (image.isNull()) {
        return {};
    }
    const std::uint8_t* pixels = dib.data() + kInfoHeaderSize;
    for (std::int32_t y = 0; y < height; ++y) {
        const std::uint8_t* from = pixels + stride * static_cast<std::uint64_t>(height - 1 - y);
        std::uint8_t* to = image.scanLine(y);
        for (std::int32_t x = 0; x < width; ++x, from += 3, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
    return image;
}
