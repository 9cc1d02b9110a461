// BITMAPFILEHEADER and BITMAPINFOHEADER written field by field, little-endian.
#include "DibLayout.h"

namespace {
void Put16(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::uint8_t* p, std::uint32_t v) {
    Put16(p, v);
    Put16(p + 2, v >> 16);
}
} // namespace

std::size_t DibRowSize(int width) {
    return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
}

std::size_t DibPixelOffset(bool infoHeaderOnly) {
    return infoHeaderOnly ? 40 : 54;
}

std::vector<std::uint8_t> MakeDibBuffer(int width, int height, bool infoHeaderOnly) {
    const std::size_t imageSize = DibRowSize(width) * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> dib(DibPixelOffset(infoHeaderOnly) + imageSize, 0);
    std::uint8_t* info = dib.data();
    if (!infoHeaderOnly) {
        dib[0] = 'B';
        dib[1] = 'M';
        Put32(dib.data() + 10, 54);
        info += 14;
    }
    Put32(info, 40);
    Put32(info + 4, static_cast<std::uint32_t>(width));
    Put32(info + 8, static_cast<std::uint32_t>(height));
    Put16(info + 12, 1);
    Put16(info + 14, 24);
    Put32(info + 20, static_cast<std::uint32_t>(imageSize));
    return dib;
}
