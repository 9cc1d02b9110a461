// Mesh loading, parameters, overlay, refresh windows and GPU copies across contexts.
#include "GlFixture.h"

#include "CMeshObject.h"
#include "MeshGeometry.h"

#include <cmath>
#include <limits>

using MeshObjectTest = GlTest;

namespace {
// Model z of every drawn vertex of a memory-context mesh.
std::vector<float> DrawnZ(const CMeshObject* mesh) {
    const std::vector<float>& v = mesh->GpuData().Vertices();
    std::vector<float> z;
    for (std::size_t i = 2; i < v.size(); i += kVertexFloats)
        z.push_back(v[i]);
    return z;
}
} // namespace

TEST_F(MeshObjectTest, LoadMeshDataCounts) {
    RenderHandle mesh = MakeMesh(3, 3, std::vector<float>(9, 0.3f));
    const std::vector<float> many(10, 0.6f);
    EXPECT_FALSE(facade.LoadMeshData(mesh, many.data(), 10)); // takes 9 of 10
    const std::vector<float> few{0.9f, 0.9f};
    EXPECT_TRUE(facade.LoadMeshData(mesh, few.data(), 2));
    EXPECT_TRUE(facade.AddMeshToScene(context, mesh));
    Render(context, 8, 8);
    const std::vector<float> z = DrawnZ(Mesh(mesh));
    ASSERT_EQ(z.size(), 9u);
    EXPECT_FLOAT_EQ(z[0], 3.0f); // 0.9 x 10 / 3
    EXPECT_FLOAT_EQ(z[2], 2.0f); // 0.6 x 10 / 3
    EXPECT_FLOAT_EQ(z[8], 2.0f);
    const std::int32_t count = Mesh(mesh)->ChangeCount();
    EXPECT_TRUE(facade.LoadMeshData(mesh, few.data(), 0));
    EXPECT_EQ(Mesh(mesh)->ChangeCount(), count); // nothing taken, nothing changed
}

TEST_F(MeshObjectTest, DecimatedLoadSamplesByTheTables) {
    constexpr int columns = 10;
    constexpr int rows = 7;
    std::vector<float> values(columns * rows);
    for (int i = 0; i < columns * rows; ++i)
        values[static_cast<std::size_t>(i)] = static_cast<float>(i);
    RenderHandle mesh = facade.CreateDecimatedMesh(columns, rows, 4, 3);
    ASSERT_NE(mesh, nullptr);
    MeshParams p;
    ASSERT_TRUE(facade.GetMeshParams(mesh, p));
    EXPECT_EQ(p.Columns, columns); // the data grid's size
    EXPECT_EQ(p.Rows, rows);
    p.XExtent = p.YExtent = 1.0f;
    p.ZRange = 1.0f;
    p.ZScale = 0.1f; // z equals the value
    facade.SetMeshParams(mesh, p);
    // Only the first four complete rows arrive: mesh rows sampling row 6 keep their contents.
    facade.LoadMeshData(mesh, values.data(), columns * 4 + 5);
    facade.AddMeshToScene(context, mesh);
    Render(context, 8, 8);
    const std::vector<int>& cols = Mesh(mesh)->ColumnTable();
    const std::vector<int>& rowTable = Mesh(mesh)->RowTable();
    EXPECT_EQ(cols, (std::vector<int>{0, 3, 6, 9}));
    EXPECT_EQ(rowTable, (std::vector<int>{0, 3, 6}));
    const std::vector<float> z = DrawnZ(Mesh(mesh));
    ASSERT_EQ(z.size(), 12u);
    EXPECT_FLOAT_EQ(z[1], 3.0f);
    EXPECT_FLOAT_EQ(z[4 + 2], 36.0f);
    facade.ReleaseMesh(mesh);
}

TEST_F(MeshObjectTest, SetMeshParamsRules) {
    RenderHandle mesh = facade.CreateDecimatedMesh(8, 8, 4, 4);
    RenderHandle overlay = facade.CreateDecimatedMesh(8, 8, 4, 4);
    ASSERT_TRUE(facade.SetOverlayMesh(mesh, overlay));
    MeshParams p;
    facade.GetMeshParams(mesh, p);
    p.Columns = 1000;
    p.SpecularFactor = std::numeric_limits<float>::quiet_NaN();
    p.NaNColor = ColorRGBA{1, 2, 3, 4};
    const std::int32_t before = Mesh(mesh)->ChangeCount();
    ASSERT_TRUE(facade.SetMeshParams(mesh, p));
    EXPECT_EQ(Mesh(mesh)->ChangeCount(), before + 1);
    facade.GetMeshParams(mesh, p);
    EXPECT_EQ(p.Columns, 8);
    EXPECT_FLOAT_EQ(p.SpecularFactor, 0.0f);
    p.SpecularFactor = 7.0f;
    facade.SetMeshParams(mesh, p);
    facade.GetMeshParams(mesh, p);
    EXPECT_FLOAT_EQ(p.SpecularFactor, 1.0f);
    MeshParams q;
    facade.GetMeshParams(overlay, q);
    EXPECT_EQ(q.NaNColor, (ColorRGBA{1, 2, 3, 4}));
    facade.ReleaseMesh(overlay);
    facade.ReleaseMesh(mesh);
}

TEST_F(MeshObjectTest, WindowedRefreshEqualsAFreshBuild) {
    // 300 x 200 points need several 32768-point refresh windows.
    constexpr int columns = 300;
    constexpr int rows = 200;
    std::vector<float> h(columns * rows);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j)
            h[static_cast<std::size_t>(i * columns + j)] =
                0.5f + 0.4f * std::sin(0.05f * static_cast<float>(j)) * std::cos(0.07f * i);
    RenderHandle refreshed = MakeMesh(columns, rows, h);
    facade.AddMeshToScene(context, refreshed);
    Render(context, 16, 16);
    MeshParams p;
    facade.GetMeshParams(refreshed, p);
    p.ZScale = 0.7f;
    p.ZOffset = 0.2f;
    facade.SetMeshParams(refreshed, p);
    Render(context, 16, 16);

    RenderHandle fresh = MakeMesh(columns, rows, h);
    facade.SetMeshParams(fresh, p);
    facade.RemoveMeshFromScene(context, refreshed);
    facade.AddMeshToScene(context, fresh);
    Render(context, 16, 16);
    EXPECT_EQ(Mesh(refreshed)->GpuData().Vertices(), Mesh(fresh)->GpuData().Vertices());
    EXPECT_EQ(Mesh(refreshed)->GpuData().Colors(), Mesh(fresh)->GpuData().Colors());
}

TEST_F(MeshObjectTest, ColorTableChangeRecoloursAtOnceAndContextLossDropsTheCopy) {
    RenderHandle mesh = MakeMesh(3, 3, std::vector<float>(9, 1.0f));
    RenderHandle other = facade.CreateMemoryContext(nullptr, nullptr);
    facade.AddMeshToScene(other, mesh);
    Render(other, 8, 8);
    ASSERT_TRUE(Mesh(mesh)->GpuData().IsBuilt());
    EXPECT_FLOAT_EQ(Mesh(mesh)->GpuData().Colors()[0], 1.0f);
    // Without `use` the mesh's own grey table applies; the colours follow at once.
    const std::uint32_t red = 0xFF0000;
    facade.SetColorTable(50, &red, 1);
    facade.SetMeshColorTable(mesh, 50, true);
    EXPECT_FLOAT_EQ(Mesh(mesh)->GpuData().Colors()[1], 0.0f);
    facade.SetMeshColorTable(mesh, 50, false);
    EXPECT_FLOAT_EQ(Mesh(mesh)->GpuData().Colors()[1], 1.0f);

    const std::int32_t before = Mesh(mesh)->ChangeCount();
    facade.ReleaseContext(other);
    EXPECT_FALSE(Mesh(mesh)->GpuData().IsBuilt());
    EXPECT_EQ(Mesh(mesh)->ChangeCount(), before + 1);
}

TEST_F(MeshObjectTest, RowsTooWideForARefreshWindowAreBuiltAfresh) {
    // 20000 points per row do not fit a 32768-point window with its neighbour rows.
    constexpr int columns = 20000;
    std::vector<float> h(2 * columns);
    for (std::size_t i = 0; i < h.size(); ++i)
        h[i] = static_cast<float>(i % 100) / 100.0f;
    RenderHandle wide = MakeMesh(columns, 2, h);
    facade.AddMeshToScene(context, wide);
    Render(context, 8, 8);
    MeshParams p;
    facade.GetMeshParams(wide, p);
    p.ZScale = 0.9f;
    facade.SetMeshParams(wide, p);
    Render(context, 8, 8);
    const std::vector<float> z = DrawnZ(Mesh(wide));
    ASSERT_EQ(z.size(), h.size());
    EXPECT_FLOAT_EQ(z[99], 9.0f * 0.99f);
}
