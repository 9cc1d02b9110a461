// One index list serves every band: the array pointers move per band instead.
#include "MeshGeometry.h"

std::vector<std::uint32_t> BandIndexList(int columns) {
    std::vector<std::uint32_t> indices;
    if (columns < 2)
        return indices;
    const auto c = static_cast<std::uint32_t>(columns);
    indices.reserve(6 * (c - 1));
    for (std::uint32_t j = 0; j + 1 < c; ++j) {
        indices.insert(indices.end(), {j, c + j, j + 1, j + 1, c + j, c + j + 1});
    }
    return indices;
}
