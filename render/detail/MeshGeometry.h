// The GL-free arithmetic of a surface mesh: sampling tables, vertices, normals, colours and
// the band index list. Vertex entries are six floats (position, normal), colours four floats.
#pragma once

#include "base/ColorRGBA.h"
#include "render/MeshParams.h"

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr std::size_t kVertexFloats = 6;
constexpr std::size_t kColorFloats = 4;

// Source index of each of `meshCount` samples taken from `dataCount` points.
std::vector<int> DecimationTable(int dataCount, int meshCount);

// Positions of rows [firstRow, firstRow + rowCount) of the grid into `out` (normals untouched).
void ComputeVertices(const MeshParams& params, const float* heights, int firstRow, int rowCount, float* out);

// Normals of `count` vertex entries; the grid width is read from the positions themselves.
void ComputeNormals(float* vertices, std::size_t count);

// RGBA floats of `count` heights; an empty table leaves the colours as they are.
void ComputeColors(const float* heights, std::size_t count, float zOffset, float zRange, ColorRGBA nanColor,
                   const std::vector<ColorRGBA>& table, float* out);

// Triangles of the band between two adjacent rows, relative to the band's first vertex.
std::vector<std::uint32_t> BandIndexList(int columns);
