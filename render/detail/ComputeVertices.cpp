// Grid points into the model box: x across [-5, 5], y centred, z from ZOffset upward.
#include "MeshGeometry.h"

#include <cmath>
#include <limits>

void ComputeVertices(const MeshParams& params, const float* heights, int firstRow, int rowCount, float* out) {
    const int columns = params.Columns;
    const float e = (params.YExtent / params.XExtent) * params.Aspect;
    const float dx = 10.0f / static_cast<float>(columns - 1);
    const float dy = (10.0f * e) / static_cast<float>(params.Rows - 1);
    const double dz = (10.0 * params.ZScale) / params.ZRange;
    const float top = 10.0f * params.ZScale;
    for (int i = firstRow; i < firstRow + rowCount; ++i) {
        const float y = -5.0f * e + dy * static_cast<float>(i);
        const float* row = heights + static_cast<std::size_t>(i) * columns;
        for (int j = 0; j < columns; ++j, out += kVertexFloats) {
            // In double, as heights and offset near both ends of the float scale overflow a float;
            // an infinite height is drawn as a missing (NaN) one.
            const float h = row[j];
            float z = std::isfinite(h) ? static_cast<float>(dz * (static_cast<double>(h) - params.ZOffset))
                                       : std::numeric_limits<float>::quiet_NaN();
            if (params.ZClamp != 0) {
                if (!(z > 0.0f))
                    z = 0.0f;
                else if (z >= top)
                    z = top;
            }
            out[0] = dx * static_cast<float>(j) - 5.0f;
            out[1] = y;
            out[2] = z;
        }
    }
}
