// Binary STL: 80 spaces, the triangle count, 50-byte facets with 15-bit colours on the top.
// Facets are encoded into a block that stays in the cache and written block by block; the top
// surface, nearly every facet, is walked directly over the grid rather than through the
// generic triangle walk.
#include "SolidTriangles.h"

#include "base/SafeFileWriter.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

namespace {
constexpr std::size_t kFacetBytes = 50;
constexpr std::size_t kBlockFacets = 5120; // 256 KB

void Put32(std::uint8_t* out, std::uint32_t v) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(out, &v, 4);
    } else {
        out[0] = static_cast<std::uint8_t>(v);
        out[1] = static_cast<std::uint8_t>(v >> 8);
        out[2] = static_cast<std::uint8_t>(v >> 16);
        out[3] = static_cast<std::uint8_t>(v >> 24);
    }
}

void PutFloat(std::uint8_t* out, float v) {
    Put32(out, std::bit_cast<std::uint32_t>(v));
}

// The outward axis of each wall and of the floor. A wall triangle is vertical, so its right-hand
// normal lies along that axis: in or out, depending on whether the surface there is above or
// below the base plane. A degenerate triangle (a wall of zero height) keeps the outward axis.
SolidPoint OutwardAxis(SolidFace face) {
    switch (face) {
    case SolidFace::FrontWall:
        return {0.0f, -1.0f, 0.0f};
    case SolidFace::BackWall:
        return {0.0f, 1.0f, 0.0f};
    case SolidFace::LeftWall:
        return {-1.0f, 0.0f, 0.0f};
    case SolidFace::RightWall:
        return {1.0f, 0.0f, 0.0f};
    default:
        return {0.0f, 0.0f, -1.0f};
    }
}

SolidPoint WallNormal(const SolidTriangle& t) {
    const SolidPoint axis = OutwardAxis(t.face);
    const auto d = [](const SolidPoint& to, const SolidPoint& from) {
        return std::array<double, 3>{static_cast<double>(to.x) - from.x, static_cast<double>(to.y) - from.y,
                                     static_cast<double>(to.z) - from.z};
    };
    const std::array<double, 3> a = d(t.v[1], t.v[0]);
    const std::array<double, 3> b = d(t.v[2], t.v[0]);
    const double along = axis.x * (a[1] * b[2] - a[2] * b[1]) + axis.y * (a[2] * b[0] - a[0] * b[2]) +
                         axis.z * (a[0] * b[1] - a[1] * b[0]);
    if (along < 0.0)
        return {-axis.x, -axis.y, -axis.z};
    return axis;
}

// Facets go into a fixed block that is handed to the file whenever it is full.
class FacetBlock {
public:
    explicit FacetBlock(SafeFileWriter& file_) : file(file_), block(kBlockFacets * kFacetBytes) {}

    // Three vertices of three floats each, taken from `first`, `second` and `third`.
    void Add(const float normal[3], const float* first, const float* second, const float* third,
             std::uint16_t attribute) {
        std::uint8_t* out = block.data() + used;
        for (int k = 0; k < 3; ++k)
            PutFloat(out + 4 * k, normal[k]);
        for (int k = 0; k < 3; ++k) {
            PutFloat(out + 12 + 4 * k, first[k]);
            PutFloat(out + 24 + 4 * k, second[k]);
            PutFloat(out + 36 + 4 * k, third[k]);
        }
        out[48] = static_cast<std::uint8_t>(attribute);
        out[49] = static_cast<std::uint8_t>(attribute >> 8);
        used += kFacetBytes;
        if (used == block.size())
            Flush();
    }

    void Flush() {
        file.Write(block.data(), used);
        used = 0;
    }

private:
    SafeFileWriter& file;
    std::vector<std::uint8_t> block;
    std::size_t used = 0;
};

// (first - third) x (second - third), normalised: the right-hand normal of the written order,
// which points up, out of the solid, wherever the grid runs the usual way.
inline void TopNormal(const float* first, const float* second, const float* third, float n[3]) {
    const float a[3] = {first[0] - third[0], first[1] - third[1], first[2] - third[2]};
    const float b[3] = {second[0] - third[0], second[1] - third[1], second[2] - third[2]};
    const float x = a[1] * b[2] - a[2] * b[1];
    const float y = a[2] * b[0] - a[0] * b[2];
    const float z = a[0] * b[1] - a[1] * b[0];
    float length = std::sqrt(x * x + y * y + z * z);
    if (length == 0.0f)
        length = 1.0f;
    n[0] = x / length;
    n[1] = y / length;
    n[2] = z / length;
}

// The mean colour of the three vertices in 5 bits a channel, with bit 15 set.
inline std::uint16_t TopAttribute(const float* k0, const float* k1, const float* k2) {
    const auto five = [&](int c) {
        const float sum = 0.0f + k0[c] + k1[c] + k2[c];
        return static_cast<unsigned>(sum / 3.0f * 31.0f) & 31u;
    };
    return static_cast<std::uint16_t>(0x8000u | five(0) << 10 | five(1) << 5 | five(2));
}

void WriteTop(FacetBlock& out, std::size_t cols, std::size_t rows, const float* positions,
              const float* colors, bool withColor) {
    float normal[3];
    for (std::size_t r = 0; r + 1 < rows; ++r) {
        const float* p0 = positions + r * cols * kVertexFloats; // row r
        const float* p1 = p0 + cols * kVertexFloats;            // row r + 1
        const float* k0 = colors + r * cols * kColorFloats;
        const float* k1 = k0 + cols * kColorFloats;
        for (std::size_t c = 0; c + 1 < cols; ++c) {
            // The band triples (c, C+c, c+1) and (c+1, C+c, C+c+1), each written (1st, 3rd, 2nd).
            const float* p00 = p0 + c * kVertexFloats;
            const float* p10 = p00 + kVertexFloats;
            const float* p01 = p1 + c * kVertexFloats;
            const float* p11 = p01 + kVertexFloats;
            const float* k00 = k0 + c * kColorFloats;
            const float* k10 = k00 + kColorFloats;
            const float* k01 = k1 + c * kColorFloats;
            const float* k11 = k01 + kColorFloats;
            TopNormal(p00, p10, p01, normal);
            out.Add(normal, p00, p10, p01, withColor ? TopAttribute(k00, k10, k01) : 0);
            TopNormal(p10, p11, p01, normal);
            out.Add(normal, p10, p11, p01, withColor ? TopAttribute(k10, k11, k01) : 0);
        }
    }
}
} // namespace

bool WriteStlFile(const char* path, std::size_t cols, std::size_t rows, const float* positions,
                  const float* colors, bool withColor, std::string* error) {
    SafeFileWriter file(path);
    if (file.Open()) {
        std::uint8_t header[84];
        std::memset(header, ' ', 80);
        Put32(header + 80, static_cast<std::uint32_t>(SolidTriangleCount(cols, rows)));
        file.Write(header, sizeof header);

        FacetBlock out(file);
        ForEachWallTriangle(cols, rows, positions, [&](const SolidTriangle& t) {
            const SolidPoint n = WallNormal(t);
            const float normal[3] = {n.x, n.y, n.z};
            const float v[3][3] = {{t.v[0].x, t.v[0].y, t.v[0].z},
                                   {t.v[1].x, t.v[1].y, t.v[1].z},
                                   {t.v[2].x, t.v[2].y, t.v[2].z}};
            out.Add(normal, v[0], v[1], v[2], 0);
        });
        if (cols >= 2 && rows >= 2)
            WriteTop(out, cols, rows, positions, colors, withColor);
        out.Flush();
    }
    if (!file.Commit()) {
        if (error != nullptr)
            *error = file.Error();
        return false;
    }
    return true;
}
