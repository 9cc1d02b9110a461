// Binary STL: 80 spaces, the triangle count, 50-byte facets with 15-bit colours on the top.
#include "render/detail/SolidTriangles.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {
constexpr std::size_t kFacetBytes = 50;
constexpr std::size_t kChunkFacets = 16384;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::uint8_t* Put32(std::uint8_t* out, std::uint32_t v) {
    out[0] = static_cast<std::uint8_t>(v);
    out[1] = static_cast<std::uint8_t>(v >> 8);
    out[2] = static_cast<std::uint8_t>(v >> 16);
    out[3] = static_cast<std::uint8_t>(v >> 24);
    return out + 4;
}

std::uint8_t* PutFloats(std::uint8_t* out, float x, float y, float z) {
    out = Put32(out, std::bit_cast<std::uint32_t>(x));
    out = Put32(out, std::bit_cast<std::uint32_t>(y));
    return Put32(out, std::bit_cast<std::uint32_t>(z));
}

SolidPoint FixedNormal(SolidFace face) {
    switch (face) {
    case SolidFace::FrontWall:
        return {0.0f, 1.0f, 0.0f};
    case SolidFace::BackWall:
        return {0.0f, -1.0f, 0.0f};
    case SolidFace::LeftWall:
        return {-1.0f, 0.0f, 0.0f};
    case SolidFace::RightWall:
        return {1.0f, 0.0f, 0.0f};
    default:
        return {0.0f, 0.0f, -1.0f};
    }
}

// (first - third) x (third - second), normalised: the reverse of the right-hand normal.
SolidPoint TopNormal(const SolidTriangle& t) {
    const SolidPoint a{t.v[0].x - t.v[2].x, t.v[0].y - t.v[2].y, t.v[0].z - t.v[2].z};
    const SolidPoint b{t.v[2].x - t.v[1].x, t.v[2].y - t.v[1].y, t.v[2].z - t.v[1].z};
    const SolidPoint n{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (length == 0.0f)
        length = 1.0f;
    return {n.x / length, n.y / length, n.z / length};
}

std::uint16_t TopAttribute(const SolidTriangle& t, const float* colors) {
    float sum[3] = {0.0f, 0.0f, 0.0f};
    for (std::size_t index : t.grid) {
        for (int k = 0; k < 3; ++k)
            sum[k] += colors[index * kColorFloats + static_cast<std::size_t>(k)];
    }
    const auto five = [&](int k) { return static_cast<unsigned>(sum[k] / 3.0f * 31.0f) & 31u; };
    return static_cast<std::uint16_t>(0x8000u | five(0) << 10 | five(1) << 5 | five(2));
}
} // namespace

bool WriteStlFile(const char* path, std::size_t cols, std::size_t rows, const float* positions,
                  const float* colors, bool withColor) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "wb"));
    if (!file)
        return false;
    std::uint8_t header[84];
    std::memset(header, ' ', 80);
    Put32(header + 80, static_cast<std::uint32_t>(SolidTriangleCount(cols, rows)));
    std::fwrite(header, 1, sizeof header, file.get());

    std::vector<std::uint8_t> chunk(kChunkFacets * kFacetBytes);
    std::uint8_t* out = chunk.data();
    ForEachSolidTriangle(cols, rows, positions, TopOrder::Stl, [&](const SolidTriangle& t) {
        const bool top = t.face == SolidFace::Top;
        const SolidPoint n = top ? TopNormal(t) : FixedNormal(t.face);
        out = PutFloats(out, n.x, n.y, n.z);
        for (const SolidPoint& v : t.v)
            out = PutFloats(out, v.x, v.y, v.z);
        const std::uint16_t attribute = top && withColor ? TopAttribute(t, colors) : 0;
        out[0] = static_cast<std::uint8_t>(attribute);
        out[1] = static_cast<std::uint8_t>(attribute >> 8);
        out += 2;
        if (out == chunk.data() + chunk.size()) {
            std::fwrite(chunk.data(), 1, chunk.size(), file.get());
            out = chunk.data();
        }
    });
    std::fwrite(chunk.data(), 1, static_cast<std::size_t>(out - chunk.data()), file.get());
    return true;
}
