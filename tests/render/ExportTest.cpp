// STL and VRML exports: byte layout, counts, colours, NaN heights and a closed solid.
#include "GlFixture.h"

#include <QDir>

#include <array>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <sstream>

namespace {
std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

float FloatAt(const std::string& bytes, std::size_t at) {
    float v = 0.0f;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
}

std::string TempPath(const std::string& name) {
    return QDir::tempPath().toStdString() + "/qv_render_" + name;
}

std::size_t CountLines(const std::string& text, const std::string& prefix) {
    std::size_t n = 0;
    for (std::size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at + 1))
        ++n;
    return n;
}

using Point = std::array<float, 3>;

// Every directed edge of a closed, consistently wound solid appears exactly once, and its
// reverse exactly once as well.
void ExpectClosedSolid(const std::string& stl) {
    const std::uint32_t count = *reinterpret_cast<const std::uint32_t*>(stl.data() + 80);
    std::map<std::pair<Point, Point>, int> edges;
    for (std::uint32_t t = 0; t < count; ++t) {
        std::array<Point, 3> v{};
        for (std::size_t k = 0; k < 3; ++k)
            for (std::size_t c = 0; c < 3; ++c)
                v[k][c] = FloatAt(stl, 84 + t * 50 + 12 + k * 12 + c * 4);
        for (std::size_t k = 0; k < 3; ++k)
            ++edges[{v[k], v[(k + 1) % 3]}];
    }
    for (const auto& [edge, uses] : edges) {
        ASSERT_EQ(uses, 1);
        const auto reverse = edges.find({edge.second, edge.first});
        ASSERT_NE(reverse, edges.end());
        ASSERT_EQ(reverse->second, 1);
    }
}
} // namespace

class ExportTest : public GlTest {
protected:
    RenderHandle DrawnMesh(int columns, int rows, const std::vector<float>& h) {
        RenderHandle mesh = MakeMesh(columns, rows, h);
        facade.AddMeshToScene(context, mesh);
        Render(context, 8, 8);
        facade.RemoveMeshFromScene(context, mesh);
        return mesh;
    }
};

TEST_F(ExportTest, TwoByTwoStlLayout) {
    RenderHandle mesh = DrawnMesh(2, 2, {0.0f, 1.0f, 0.0f, 1.0f});
    const std::string path = TempPath("2x2.stl");
    ASSERT_TRUE(facade.ExportStl(path, mesh, true, true));
    const std::string stl = ReadFile(path);
    ASSERT_EQ(stl.size(), 784u);
    EXPECT_EQ(stl.substr(0, 80), std::string(80, ' '));
    EXPECT_EQ(*reinterpret_cast<const std::uint32_t*>(stl.data() + 80), 14u);
    // Front wall, then its floor fan triangle: outward normals, attribute 0.
    EXPECT_FLOAT_EQ(FloatAt(stl, 84 + 4), -1.0f);
    EXPECT_FLOAT_EQ(FloatAt(stl, 84 + 2 * 50 + 8), -1.0f);
    EXPECT_EQ(stl[84 + 48], 0);
    // First top facet: P(0,0), P(1,0), P(0,1) on a slope rising with x.
    const std::size_t top = 84 + 12 * 50;
    EXPECT_FLOAT_EQ(FloatAt(stl, top + 12), -5.0f);
    EXPECT_FLOAT_EQ(FloatAt(stl, top + 24), 5.0f);
    EXPECT_FLOAT_EQ(FloatAt(stl, top + 24 + 8), 10.0f / 3.0f);
    EXPECT_FLOAT_EQ(FloatAt(stl, top + 36 + 4), 5.0f);
    // The right-hand normal of the written order: up, out of the solid, and away from the rise in x.
    EXPECT_GT(FloatAt(stl, top + 8), 0.0f);
    EXPECT_LT(FloatAt(stl, top), 0.0f);
    // Mean grey of black, white, black = 1/3: 31 / 3 truncates to 10 in each channel.
    const auto attribute = static_cast<std::uint16_t>(static_cast<std::uint8_t>(stl[top + 48]) |
                                                      static_cast<std::uint8_t>(stl[top + 49]) << 8);
    EXPECT_EQ(attribute, 0x8000 | 10 << 10 | 10 << 5 | 10);

    ASSERT_TRUE(facade.ExportStl(path, mesh, true, false));
    EXPECT_EQ(ReadFile(path)[top + 49], 0);
}

TEST_F(ExportTest, TwoByTwoVrmlLines) {
    RenderHandle mesh = DrawnMesh(2, 2, {0.0f, 1.0f, 0.0f, 1.0f});
    const std::string path = TempPath("2x2.wrl");
    ASSERT_TRUE(facade.ExportVrml(path, mesh));
    const std::string wrl = ReadFile(path);
    EXPECT_EQ(wrl.rfind("#VRML V2.0 utf8\r\n#\r\n# Quorvane\r\n#\r\nTransform {\r\n", 0), 0u);
    EXPECT_EQ(CountLines(wrl, "\n"), CountLines(wrl, "\r\n")); // only CR LF line ends
    EXPECT_EQ(CountLines(wrl, "\t\t\t1.0 1.0 1.0,\r\n"), 36u);
    EXPECT_EQ(CountLines(wrl, ", -1,\r\n"), 14u);
    EXPECT_NE(wrl.find("\t\t\t0, 1, 2, -1,\r\n"), std::string::npos);
    EXPECT_NE(wrl.find("\t\t\t39, 40, 41, -1,\r\n"), std::string::npos);
    // First top triangle is P(0,1), P(0,0), P(1,0); its colours black, black, white.
    EXPECT_NE(wrl.find("\t\t\t-5.000000 5.000000 0.000000,\r\n\t\t\t-5.000000 -5.000000 "
                       "0.000000,\r\n\t\t\t5.000000 -5.000000 3.333333,\r\n"),
              std::string::npos);
    EXPECT_NE(wrl.find("\t\t\t1.0 1.0 1.0,\r\n\t\t\t0.000 0.000 0.000,\r\n\t\t\t0.000 0.000 "
                       "0.000,\r\n\t\t\t1.000 1.000 1.000,\r\n"),
              std::string::npos);
    std::size_t coordinates = 0;
    std::istringstream lines(wrl.substr(wrl.find("point ["), wrl.find("\t\t\t]") - wrl.find("point [")));
    for (std::string line; std::getline(lines, line);)
        coordinates += line.find('.') != std::string::npos;
    EXPECT_EQ(coordinates, 42u);
    EXPECT_NE(wrl.find("\t\tcolorPerVertex TRUE\r\n\t\t}\r\n\r\n\t}\r\n}\r\n"), std::string::npos);
}

TEST_F(ExportTest, ClosedSolidForSeveralGrids) {
    for (const auto& [columns, rows] : {std::pair{2, 2}, {3, 5}, {17, 9}, {6, 2}}) {
        std::vector<float> h(static_cast<std::size_t>(columns * rows));
        for (std::size_t i = 0; i < h.size(); ++i)
            h[i] = 0.2f + 0.05f * static_cast<float>(i % 7); // strictly above the base plane
        RenderHandle mesh = DrawnMesh(columns, rows, h);
        const std::string path = TempPath("closed.stl");
        ASSERT_TRUE(facade.ExportStl(path, mesh, true, true));
        const std::string stl = ReadFile(path);
        const std::size_t triangles = 2 * (columns - 1) * (rows - 1) + 6 * columns + 6 * rows - 12;
        ASSERT_EQ(stl.size(), 84 + 50 * triangles);
        SCOPED_TRACE(std::to_string(columns) + " x " + std::to_string(rows));
        ExpectClosedSolid(stl);
        facade.ReleaseMesh(mesh);
    }
}

TEST_F(ExportTest, NaNHeightsLieOnTheBasePlane) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    RenderHandle mesh = DrawnMesh(2, 2, {nan, 1.0f, 1.0f, 1.0f});
    const std::string stlPath = TempPath("nan.stl");
    const std::string wrlPath = TempPath("nan.wrl");
    ASSERT_TRUE(facade.ExportStl(stlPath, mesh, true, true));
    ASSERT_TRUE(facade.ExportVrml(wrlPath, mesh));
    const std::string stl = ReadFile(stlPath);
    for (std::size_t at = 84; at + 50 <= stl.size(); at += 50)
        for (std::size_t k = 0; k < 12; ++k)
            ASSERT_FALSE(std::isnan(FloatAt(stl, at + 4 * k))) << at;
    const std::string wrl = ReadFile(wrlPath);
    EXPECT_EQ(wrl.find("nan"), std::string::npos);
    EXPECT_NE(wrl.find("\t\t\t-5.000000 -5.000000 0.000000,\r\n"), std::string::npos);
}

TEST_F(ExportTest, RefusalsAndOverlayColours) {
    std::string error;
    RenderHandle undrawn = MakeMesh(2, 2, {0.0f, 0.0f, 0.0f, 0.0f});
    EXPECT_FALSE(facade.ExportStl(TempPath("undrawn.stl"), undrawn, true, true, &error));
    EXPECT_EQ(error, "the surface has not been drawn yet");
    EXPECT_FALSE(facade.ExportVrml(TempPath("undrawn.wrl"), undrawn));
    EXPECT_FALSE(facade.ExportVrml(TempPath("none.wrl"), nullptr, &error));
    EXPECT_EQ(error, "there is no surface to export");
    RenderHandle mesh = DrawnMesh(2, 2, {0.0f, 0.0f, 0.0f, 0.0f});
    EXPECT_FALSE(facade.ExportStl("", mesh, true, true, &error));
    EXPECT_EQ(error, "no file name");
    EXPECT_FALSE(facade.ExportStl("/nonexistent-dir/x.stl", mesh, true, true, &error));
    EXPECT_EQ(error, "No such file or directory");

    // Geometry from the mesh, colours from the overlay (all white).
    RenderHandle overlay = MakeMesh(2, 2, {1.0f, 1.0f, 1.0f, 1.0f});
    ASSERT_TRUE(facade.SetOverlayMesh(mesh, overlay));
    const std::string path = TempPath("overlay.stl");
    ASSERT_TRUE(facade.ExportStl(path, mesh, true, true));
    const std::string stl = ReadFile(path);
    const std::size_t top = 84 + 12 * 50;
    EXPECT_FLOAT_EQ(FloatAt(stl, top + 12 + 8), 0.0f);
    EXPECT_EQ(static_cast<std::uint8_t>(stl[top + 48]) | static_cast<std::uint8_t>(stl[top + 49]) << 8,
              0xFFFF);
}
