#include "ibw/IBWRead.h"

#include <bit>

std::uint16_t IBWChecksum(const void* bytes, std::int64_t byteCount, int needSwap, int start) {
    const auto* p = static_cast<const unsigned char*>(bytes);
    unsigned sum = static_cast<unsigned>(start);
    for (std::int64_t i = 0; i + 1 < byteCount; i += 2) {
        // Each word in the byte order of the file: the machine's order unless needSwap is set.
        unsigned first = p[i];
        unsigned second = p[i + 1];
        bool littleWord = (std::endian::native == std::endian::little) != (needSwap != 0);
        sum += littleWord ? (second << 8 | first) : (first << 8 | second);
    }
    return static_cast<std::uint16_t>(sum);
}
