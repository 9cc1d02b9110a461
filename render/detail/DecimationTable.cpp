// Decimation samples by a float ratio, truncated: the last sample may fall one short of the end.
#include "MeshGeometry.h"

#include <cmath>

std::vector<int> DecimationTable(int dataCount, int meshCount) {
    std::vector<int> table(static_cast<std::size_t>(meshCount > 0 ? meshCount : 0), 0);
    if (meshCount < 2)
        return table;
    const float ratio = static_cast<float>(static_cast<double>(dataCount - 1) / (meshCount - 1));
    for (int k = 0; k < meshCount; ++k)
        table[static_cast<std::size_t>(k)] =
            static_cast<int>(std::trunc(static_cast<double>(k) * static_cast<double>(ratio)));
    return table;
}
