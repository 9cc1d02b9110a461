#include "ibw/IBWRead.h"

#include <algorithm>

void SwapUnitBytes(void* buffer, int unitSize, std::int64_t unitCount) {
    if (unitSize < 2) {
        return;
    }
    auto* bytes = static_cast<unsigned char*>(buffer);
    for (std::int64_t i = 0; i < unitCount; ++i, bytes += unitSize) {
        std::reverse(bytes, bytes + unitSize);
    }
}
