// Decimation tables, vertices, normals, colours and the band index list, without GL.
#include "MeshGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
MeshParams Grid(int columns, int rows) {
    MeshParams p;
    p.Columns = static_cast<std::uint16_t>(columns);
    p.Rows = static_cast<std::uint16_t>(rows);
    p.XExtent = 1.0f;
    p.YExtent = 1.0f;
    p.ZRange = 1.0f;
    p.ZScale = 0.1f;
    return p;
}

std::vector<float> Vertices(const MeshParams& p, const std::vector<float>& heights) {
    std::vector<float> v(heights.size() * kVertexFloats, 0.0f);
    ComputeVertices(p, heights.data(), 0, p.Rows, v.data());
    ComputeNormals(v.data(), heights.size());
    return v;
}
} // namespace

TEST(DecimationTable, FloatRatioRule) {
    // 1023 / 511 rounds to a float just below the exact ratio: the last sample is 1022.
    const std::vector<int> half = DecimationTable(1024, 512);
    ASSERT_EQ(half.size(), 512u);
    for (int k = 0; k < 512; ++k)
        ASSERT_EQ(half[static_cast<std::size_t>(k)], 2 * k) << k;
    const std::vector<int> thousand = DecimationTable(4096, 1000);
    EXPECT_EQ(thousand.front(), 0);
    EXPECT_EQ(thousand.back(), 4095);
    EXPECT_EQ(thousand[1], 4);
    const std::vector<int> same = DecimationTable(7, 7);
    EXPECT_EQ(same, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
}

TEST(ComputeVertices, ModelBoxAndClamp) {
    MeshParams p = Grid(3, 2);
    p.YExtent = 2.0f; // E = 2: y spans -10 .. 10
    p.ZOffset = 1.0f;
    p.ZRange = 2.0f;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<float> h{1.0f, 2.0f, 3.0f, 5.0f, -1.0f, nan};
    std::vector<float> v(6 * kVertexFloats);
    ComputeVertices(p, h.data(), 0, 2, v.data());
    EXPECT_FLOAT_EQ(v[0], -5.0f);
    EXPECT_FLOAT_EQ(v[kVertexFloats], 0.0f);
    EXPECT_FLOAT_EQ(v[2 * kVertexFloats], 5.0f);
    EXPECT_FLOAT_EQ(v[1], -10.0f);
    EXPECT_FLOAT_EQ(v[3 * kVertexFloats + 1], 10.0f);
    EXPECT_FLOAT_EQ(v[2 * kVertexFloats + 2], 1.0f); // top of the range: 10 x ZScale
    EXPECT_FLOAT_EQ(v[3 * kVertexFloats + 2], 2.0f); // beyond the range, unclamped
    EXPECT_TRUE(std::isnan(v[5 * kVertexFloats + 2]));

    p.ZClamp = 1;
    ComputeVertices(p, h.data(), 0, 2, v.data());
    EXPECT_FLOAT_EQ(v[3 * kVertexFloats + 2], 1.0f);
    EXPECT_FLOAT_EQ(v[4 * kVertexFloats + 2], 0.0f);
    EXPECT_FLOAT_EQ(v[5 * kVertexFloats + 2], 0.0f); // NaN lies on the base plane

    // Infinite heights are drawn as missing ones, on the base plane when clamped.
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<float> infinite{inf, -inf, 1.0f};
    ComputeVertices(p, infinite.data(), 0, 1, v.data());
    EXPECT_FLOAT_EQ(v[2], 0.0f);
    EXPECT_FLOAT_EQ(v[kVertexFloats + 2], 0.0f);
    p.ZClamp = 0;
    ComputeVertices(p, infinite.data(), 0, 1, v.data());
    EXPECT_TRUE(std::isnan(v[2]));
    EXPECT_TRUE(std::isnan(v[kVertexFloats + 2]));

    // A display range as wide as a float holds, over heights near its ends: no overflow.
    const float largest = std::numeric_limits<float>::max();
    p.ZOffset = -largest / 2;
    p.ZRange = largest;
    const std::vector<float> extremes{largest, 0.0f, -largest};
    ComputeVertices(p, extremes.data(), 0, 1, v.data());
    EXPECT_FLOAT_EQ(v[2], 1.5f);
    EXPECT_FLOAT_EQ(v[kVertexFloats + 2], 0.5f);
    EXPECT_FLOAT_EQ(v[2 * kVertexFloats + 2], -0.5f);
}

TEST(ComputeNormals, TwoByTwoCornersAndRaisedCentre) {
    // A 2 x 2 tilted plane z = x / 10: every corner normal is the plane's normal.
    MeshParams p = Grid(2, 2);
    p.ZScale = 1.0f;
    p.ZRange = 10.0f;
    const std::vector<float> plane = Vertices(p, {-5.0f, 5.0f, -5.0f, 5.0f});
    const float n = 1.0f / std::sqrt(1.0f + 1.0f);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(plane[i * kVertexFloats + 3], -n, 1e-6f) << i;
        EXPECT_NEAR(plane[i * kVertexFloats + 4], 0.0f, 1e-6f) << i;
        EXPECT_NEAR(plane[i * kVertexFloats + 5], n, 1e-6f) << i;
    }

    const std::vector<float> bump = Vertices(Grid(3, 3), {0, 0, 0, 0, 1, 0, 0, 0, 0});
    const float* centre = bump.data() + 4 * kVertexFloats;
    EXPECT_FLOAT_EQ(centre[3], 0.0f);
    EXPECT_FLOAT_EQ(centre[4], 0.0f);
    EXPECT_FLOAT_EQ(centre[5], 1.0f);
    // The neighbours lean away from the raised centre.
    EXPECT_LT(bump[3 * kVertexFloats + 3], 0.0f); // left of centre leans to -x
    EXPECT_GT(bump[5 * kVertexFloats + 3], 0.0f); // right of centre leans to +x
    EXPECT_LT(bump[1 * kVertexFloats + 4], 0.0f); // row before leans to -y
    EXPECT_GT(bump[7 * kVertexFloats + 4], 0.0f); // row after leans to +y
}

TEST(ComputeColors, RangeEndsNaNAndZeroRange) {
    std::vector<ColorRGBA> table(256);
    for (int i = 0; i < 256; ++i)
        table[static_cast<std::size_t>(i)] = ColorRGBA{static_cast<std::uint8_t>(i), 0, 0, 255};
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<float> h{10.0f, 12.0f, 11.0f, -100.0f, 100.0f, nan, inf, -inf};
    std::vector<float> c(h.size() * kColorFloats, -1.0f);
    ComputeColors(h.data(), h.size(), 10.0f, 2.0f, ColorRGBA{1, 2, 3, 4}, table, c.data());
    const auto red = [&](std::size_t i) { return c[i * kColorFloats] * 255.0f; };
    EXPECT_FLOAT_EQ(red(0), 0.0f);
    EXPECT_FLOAT_EQ(red(1), 255.0f); // ZOffset + ZRange takes the last entry
    EXPECT_FLOAT_EQ(red(2), 127.0f); // trunc(0.5 x 255)
    EXPECT_FLOAT_EQ(red(3), 0.0f);
    EXPECT_FLOAT_EQ(red(4), 255.0f);
    EXPECT_FLOAT_EQ(red(5), 1.0f); // NaN colour
    EXPECT_FLOAT_EQ(c[5 * kColorFloats + 3] * 255.0f, 4.0f);
    EXPECT_FLOAT_EQ(red(6), 1.0f); // infinities take the NaN colour too
    EXPECT_FLOAT_EQ(red(7), 1.0f);

    // Heights and offset near both ends of the float scale: the middle still takes the middle.
    const float largest = std::numeric_limits<float>::max();
    const std::vector<float> extremes{largest, 0.0f, -largest};
    ComputeColors(extremes.data(), extremes.size(), -largest / 2, largest, ColorRGBA{}, table, c.data());
    EXPECT_FLOAT_EQ(red(0), 255.0f);
    EXPECT_FLOAT_EQ(red(1), 127.0f);
    EXPECT_FLOAT_EQ(red(2), 0.0f);

    // A zero range gives a NaN t, which takes the first entry.
    ComputeColors(h.data(), 1, 10.0f, 0.0f, ColorRGBA{}, table, c.data());
    EXPECT_FLOAT_EQ(red(0), 0.0f);

    // An empty table leaves the colours alone instead of indexing entry -1.
    std::vector<float> untouched(kColorFloats, 0.25f);
    ComputeColors(h.data(), 1, 10.0f, 2.0f, ColorRGBA{}, {}, untouched.data());
    EXPECT_EQ(untouched, std::vector<float>(kColorFloats, 0.25f));
}

TEST(BandIndexList, TwoTrianglesPerCell) {
    EXPECT_EQ(BandIndexList(3), (std::vector<std::uint32_t>{0, 3, 1, 1, 3, 4, 1, 4, 2, 2, 4, 5}));
    EXPECT_EQ(BandIndexList(2).size(), 6u);
    EXPECT_TRUE(BandIndexList(1).empty());
}
