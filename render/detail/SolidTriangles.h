// The closed solid both exports write: side walls down to z = 0, a floor of fans meeting at
// the origin, then the top surface, triangle by triangle in file order.
#pragma once

#include "MeshGeometry.h"

#include <array>
#include <cstddef>
#include <string>

enum class SolidFace {
    FrontWall,
    BackWall,
    LeftWall,
    RightWall,
    Floor,
    Top,
};

struct SolidPoint {
    float x, y, z;
};

struct SolidTriangle {
    std::array<SolidPoint, 3> v;
    SolidFace face;
    std::array<std::size_t, 3> grid; // grid indices of a top triangle's vertices
};

enum class TopOrder {
    Stl,  // a band triple written (1st, 3rd, 2nd)
    Vrml, // a band triple written (2nd, 1st, 3rd)
};

inline std::size_t SolidTriangleCount(std::size_t cols, std::size_t rows) {
    const std::size_t top = cols >= 2 && rows >= 2 ? 2 * (cols - 1) * (rows - 1) : 0;
    const std::size_t front = cols >= 2 ? 6 * (cols - 1) : 0;
    const std::size_t side = rows >= 2 ? 6 * (rows - 1) : 0;
    return top + front + side;
}

// Calls fn(const SolidTriangle&) for every wall and floor triangle, in file order; `positions`
// holds six floats per point.
template <class Fn>
void ForEachWallTriangle(std::size_t cols, std::size_t rows, const float* positions, Fn&& fn) {
    const auto p = [&](std::size_t c, std::size_t r) {
        const float* v = positions + (r * cols + c) * kVertexFloats;
        return SolidPoint{v[0], v[1], v[2]};
    };
    const auto b = [&](std::size_t c, std::size_t r) {
        const float* v = positions + (r * cols + c) * kVertexFloats;
        return SolidPoint{v[0], v[1], 0.0f};
    };
    const SolidPoint o{0.0f, 0.0f, 0.0f};
    const auto emit = [&](SolidPoint a, SolidPoint m, SolidPoint z, SolidFace face) {
        fn(SolidTriangle{{a, m, z}, face, {0, 0, 0}});
    };
    if (cols >= 2) {
        const std::size_t last = rows - 1;
        for (std::size_t c = 0; c + 1 < cols; ++c) {
            emit(p(c, 0), b(c, 0), p(c + 1, 0), SolidFace::FrontWall);
            emit(p(c + 1, 0), b(c, 0), b(c + 1, 0), SolidFace::FrontWall);
            emit(b(c, 0), o, b(c + 1, 0), SolidFace::Floor);
        }
        for (std::size_t c = 0; c + 1 < cols; ++c) {
            emit(p(c, last), p(c + 1, last), b(c, last), SolidFace::BackWall);
            emit(p(c + 1, last), b(c + 1, last), b(c, last), SolidFace::BackWall);
            emit(b(c, last), b(c + 1, last), o, SolidFace::Floor);
        }
    }
    if (rows >= 2) {
        const std::size_t last = cols - 1;
        for (std::size_t r = 0; r + 1 < rows; ++r) {
            emit(p(0, r), p(0, r + 1), b(0, r), SolidFace::LeftWall);
            emit(p(0, r + 1), b(0, r + 1), b(0, r), SolidFace::LeftWall);
            emit(b(0, r), b(0, r + 1), o, SolidFace::Floor);
        }
        for (std::size_t r = 0; r + 1 < rows; ++r) {
            emit(p(last, r), b(last, r), p(last, r + 1), SolidFace::RightWall);
            emit(p(last, r + 1), b(last, r), b(last, r + 1), SolidFace::RightWall);
            emit(b(last, r), o, b(last, r + 1), SolidFace::Floor);
        }
    }
}

// Calls fn(const SolidTriangle&) for every triangle: the walls and floor, then the top.
template <class Fn>
void ForEachSolidTriangle(std::size_t cols, std::size_t rows, const float* positions, TopOrder order,
                          Fn&& fn) {
    ForEachWallTriangle(cols, rows, positions, fn);
    if (cols < 2 || rows < 2)
        return;
    const auto top = [&](std::size_t i0, std::size_t i1, std::size_t i2) {
        const auto at = [&](std::size_t i) {
            const float* v = positions + i * kVertexFloats;
            return SolidPoint{v[0], v[1], v[2]};
        };
        fn(SolidTriangle{{at(i0), at(i1), at(i2)}, SolidFace::Top, {i0, i1, i2}});
    };
    for (std::size_t r = 0; r + 1 < rows; ++r) {
        const std::size_t base = r * cols;
        for (std::size_t c = 0; c + 1 < cols; ++c) {
            // The band triples (c, C+c, c+1) and (c+1, C+c, C+c+1).
            const std::size_t t1[3] = {base + c, base + cols + c, base + c + 1};
            const std::size_t t2[3] = {base + c + 1, base + cols + c, base + cols + c + 1};
            if (order == TopOrder::Stl) {
                top(t1[0], t1[2], t1[1]);
                top(t2[0], t2[2], t2[1]);
            } else {
                top(t1[1], t1[0], t1[2]);
                top(t2[1], t2[0], t2[2]);
            }
        }
    }
}

// Writers over the arrays a mesh computes for an export. They replace the file only once it is
// complete on disk; false when it could not be written, with the reason in `error` when given.
bool WriteStlFile(const char* path, std::size_t cols, std::size_t rows, const float* positions,
                  const float* colors, bool withColor, std::string* error = nullptr);
bool WriteVrmlFile(const char* path, std::size_t cols, std::size_t rows, const float* positions,
                   const float* colors, bool withColor, std::string* error = nullptr);
