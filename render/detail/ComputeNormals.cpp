// Per-vertex normals from the four neighbours; a missing neighbour is replaced by the vertex.
#include "render/detail/MeshGeometry.h"

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
    for (std::size_t r = 0; r < rows; ++r) {
        for (std::size_t c = 0; c < width; ++c) {
            const std::size_t v = r * width + c;
            const Vec3 p0 = At(vertices, c > 0 ? v - 1 : v);
            const Vec3 p1 = At(vertices, c + 1 < width ? v + 1 : v);
            const Vec3 p2 = At(vertices, r > 0 ? v - width : v);
            const Vec3 p3 = At(vertices, r + 1 < rows ? v + width : v);
            const Vec3 a = Minus(p0, p1);
            const Vec3 b = Minus(p2, p3);
            Vec3 n{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
            float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
            if (length == 0.0f)
                length = 1.0f;
            float* out = vertices + v * kVertexFloats + 3;
            out[0] = n.x / length;
            out[1] = n.y / length;
            out[2] = n.z / length;
        }
    }
}
