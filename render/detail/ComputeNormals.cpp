// Per-vertex normals from the four neighbours; a missing neighbour is replaced by the vertex.
#include "MeshGeometry.h"

#include <cmath>

namespace {
struct Vec3 {
    float x, y, z;
};

Vec3 At(const float* vertices, std::size_t index) {
    const float* v = vertices + index * kVertexFloats;
    return Vec3{v[0], v[1], v[2]};
}

Vec3 Minus(Vec3 a, Vec3 b) {
    return Vec3{a.x - b.x, a.y - b.y, a.z - b.z};
}
} // namespace

void ComputeNormals(float* vertices, std::size_t count) {
    if (count == 0)
        return;
    std::size_t width = count;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        if (vertices[i * kVertexFloats] > vertices[(i + 1) * kVertexFloats]) {
            width = i + 1;
            break;
        }
    }
    const std::size_t rows = count / width;
    // Rows pick their upper and lower neighbours once; only the two end columns branch.
    const auto normal = [vertices](std::size_t v, std::size_t left, std::size_t right, std::size_t up,
                                   std::size_t down) {
        const Vec3 a = Minus(At(vertices, left), At(vertices, right));
        const Vec3 b = Minus(At(vertices, up), At(vertices, down));
        const Vec3 n{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
        float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
        if (length == 0.0f)
            length = 1.0f;
        float* out = vertices + v * kVertexFloats + 3;
        out[0] = n.x / length;
        out[1] = n.y / length;
        out[2] = n.z / length;
    };
    for (std::size_t r = 0; r < rows; ++r) {
        const std::size_t first = r * width;
        const std::size_t up = r > 0 ? width : 0;
        const std::size_t down = r + 1 < rows ? width : 0;
        if (width == 1) {
            normal(first, first, first, first - up, first + down);
            continue;
        }
        normal(first, first, first + 1, first - up, first + down);
        for (std::size_t v = first + 1; v + 1 < first + width; ++v)
            normal(v, v - 1, v + 1, v - up, v + down);
        const std::size_t last = first + width - 1;
        normal(last, last - 1, last, last - up, last + down);
    }
}
