#include "ibw/IBWRead.h"

#include <algorithm>
#include <cstring>

namespace {

// Fixed-width loops the compiler keeps tight (and vectorises where it can): a 256 MB wave swaps
// at memory speed.
template <typename T, typename Swap>
void SwapWords(const unsigned char* from, unsigned char* to, std::int64_t count, Swap swap) {
    for (std::int64_t i = 0; i < count; ++i, from += sizeof(T), to += sizeof(T)) {
        T word;
        std::memcpy(&word, from, sizeof word);
        word = swap(word);
        std::memcpy(to, &word, sizeof word);
    }
}

} // namespace

void CopySwappedUnits(const void* from, void* to, int unitSize, std::int64_t unitCount) {
    const auto* source = static_cast<const unsigned char*>(from);
    auto* target = static_cast<unsigned char*>(to);
    switch (unitSize) {
    case 2:
        SwapWords<std::uint16_t>(source, target, unitCount,
                                 [](std::uint16_t w) { return __builtin_bswap16(w); });
        break;
    case 4:
        SwapWords<std::uint32_t>(source, target, unitCount,
                                 [](std::uint32_t w) { return __builtin_bswap32(w); });
        break;
    case 8:
        SwapWords<std::uint64_t>(source, target, unitCount,
                                 [](std::uint64_t w) { return __builtin_bswap64(w); });
        break;
    default:
        for (std::int64_t i = 0; unitSize > 0 && i < unitCount; ++i, source += unitSize, target += unitSize) {
            if (source != target) {
                std::memcpy(target, source, static_cast<std::size_t>(unitSize));
            }
            std::reverse(target, target + unitSize);
        }
        break;
    }
}

void SwapUnitBytes(void* buffer, int unitSize, std::int64_t unitCount) {
    CopySwappedUnits(buffer, buffer, unitSize, unitCount);
}
