// The STL and VRML file writers on arrays, without GL: every byte of a small solid against an
// encoding written straight from the triangle tables, and failures that keep an earlier file.
#include "MeshGeometry.h"
#include "SolidTriangles.h"

#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <clocale>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

namespace {

using testsupport::ReadAll;
using testsupport::ScratchFolder;
using Vec = std::array<float, 3>;

struct Grid {
    std::size_t cols = 0;
    std::size_t rows = 0;
    std::vector<float> positions; // six floats a point
    std::vector<float> colors;    // four floats a point
};

// The mesh's box (x across [-5, 5], y centred on 0) with irregular heights above the base plane
// and irregular colours, so that every top facet has its own normal and attribute.
Grid MakeGrid(std::size_t cols, std::size_t rows) {
    Grid g{cols, rows, std::vector<float>(cols * rows * kVertexFloats), std::vector<float>(cols * rows * 4)};
    for (std::size_t i = 0; i < cols * rows; ++i) {
        const float f = static_cast<float>(i);
        g.positions[i * kVertexFloats + 0] =
            cols > 1 ? -5.0f + 10.0f * static_cast<float>(i % cols) / (cols - 1) : 0;
        g.positions[i * kVertexFloats + 1] =
            rows > 1 ? -1.5f + 3.0f * static_cast<float>(i / cols) / (rows - 1) : 0;
        g.positions[i * kVertexFloats + 2] = 0.3f + std::fmod(f * 0.618f, 1.7f);
        for (std::size_t k = 0; k < 4; ++k)
            g.colors[i * 4 + k] = std::fmod(f * 0.37f + static_cast<float>(k) * 0.21f, 1.0f);
    }
    return g;
}

// The STL file as the triangle tables describe it, one facet at a time.
class ReferenceStl {
public:
    ReferenceStl(const Grid& grid, bool withColor) : g(grid), color(withColor) {}

    std::string Encode() {
        bytes.assign(80, ' ');
        const std::size_t c1 = g.cols - 1;
        const std::size_t r1 = g.rows - 1;
        Put(static_cast<std::uint32_t>(2 * c1 * r1 + 6 * g.cols + 6 * g.rows - 12));
        const Vec o{0, 0, 0};
        for (std::size_t c = 0; c < c1; ++c) {
            Wall({0, -1, 0}, P(c, 0), B(c, 0), P(c + 1, 0));
            Wall({0, -1, 0}, P(c + 1, 0), B(c, 0), B(c + 1, 0));
            Wall({0, 0, -1}, B(c, 0), o, B(c + 1, 0));
        }
        for (std::size_t c = 0; c < c1; ++c) {
            Wall({0, 1, 0}, P(c, r1), P(c + 1, r1), B(c, r1));
            Wall({0, 1, 0}, P(c + 1, r1), B(c + 1, r1), B(c, r1));
            Wall({0, 0, -1}, B(c, r1), B(c + 1, r1), o);
        }
        for (std::size_t r = 0; r < r1; ++r) {
            Wall({-1, 0, 0}, P(0, r), P(0, r + 1), B(0, r));
            Wall({-1, 0, 0}, P(0, r + 1), B(0, r + 1), B(0, r));
            Wall({0, 0, -1}, B(0, r), B(0, r + 1), o);
        }
        for (std::size_t r = 0; r < r1; ++r) {
            Wall({1, 0, 0}, P(c1, r), B(c1, r), P(c1, r + 1));
            Wall({1, 0, 0}, P(c1, r + 1), B(c1, r), B(c1, r + 1));
            Wall({0, 0, -1}, B(c1, r), o, B(c1, r + 1));
        }
        for (std::size_t r = 0; r < r1; ++r)
            for (std::size_t c = 0; c < c1; ++c) {
                Top({c, r}, {c + 1, r}, {c, r + 1});
                Top({c + 1, r}, {c + 1, r + 1}, {c, r + 1});
            }
        return bytes;
    }

private:
    using Cell = std::array<std::size_t, 2>;
    const float* At(std::size_t c, std::size_t r) const {
        return &g.positions[(r * g.cols + c) * kVertexFloats];
    }
    Vec P(std::size_t c, std::size_t r) const { return {At(c, r)[0], At(c, r)[1], At(c, r)[2]}; }
    Vec B(std::size_t c, std::size_t r) const { return {At(c, r)[0], At(c, r)[1], 0.0f}; }
    void Put(std::uint32_t v) {
        for (int k = 0; k < 4; ++k)
            bytes.push_back(static_cast<char>(v >> (8 * k)));
    }
    void Put(const Vec& v) {
        for (float f : v)
            Put(std::bit_cast<std::uint32_t>(f));
    }
    void Facet(const Vec& n, const Vec& a, const Vec& b, const Vec& c, std::uint16_t attribute) {
        Put(n), Put(a), Put(b), Put(c);
        bytes.push_back(static_cast<char>(attribute & 0xFF));
        bytes.push_back(static_cast<char>(attribute >> 8));
    }
    void Wall(const Vec& n, const Vec& a, const Vec& b, const Vec& c) { Facet(n, a, b, c, 0); }
    void Top(Cell i, Cell j, Cell k) {
        const Vec a = P(i[0], i[1]), b = P(j[0], j[1]), c = P(k[0], k[1]);
        const Vec u{a[0] - c[0], a[1] - c[1], a[2] - c[2]}; // first - third
        const Vec v{b[0] - c[0], b[1] - c[1], b[2] - c[2]}; // second - third
        Vec n{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
        float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        if (length == 0.0f)
            length = 1.0f;
        n = {n[0] / length, n[1] / length, n[2] / length};
        std::uint16_t attribute = 0;
        if (color) {
            unsigned five[3];
            for (std::size_t ch = 0; ch < 3; ++ch) {
                float sum = 0.0f;
                for (const Cell& p : {i, j, k})
                    sum += g.colors[(p[1] * g.cols + p[0]) * 4 + ch];
                five[ch] = static_cast<unsigned>(sum / 3.0f * 31.0f);
            }
            attribute = static_cast<std::uint16_t>(0x8000u | five[0] << 10 | five[1] << 5 | five[2]);
        }
        Facet(n, a, b, c, attribute);
    }

    const Grid& g;
    bool color;
    std::string bytes;
};

std::string WriteStl(const Grid& g, bool withColor, ScratchFolder& folder) {
    const std::string path = folder.File("out.stl");
    EXPECT_TRUE(WriteStlFile(path.c_str(), g.cols, g.rows, g.positions.data(), g.colors.data(), withColor));
    return ReadAll(path);
}

TEST(StlFile, EveryByteMatchesTheTriangleTables) {
    ScratchFolder folder;
    for (const auto& [cols, rows] : {std::pair<std::size_t, std::size_t>{2, 2}, {3, 2}, {4, 5}, {97, 13}}) {
        SCOPED_TRACE(std::to_string(cols) + " x " + std::to_string(rows));
        Grid g = MakeGrid(cols, rows);
        if (cols == 4) // a flat patch: zero-length normals are divided by 1
            for (std::size_t i : {0u, 1u, 4u, 5u})
                g.positions[i * kVertexFloats + 2] = 1.0f;
        for (bool withColor : {true, false}) {
            const std::string expected = ReferenceStl(g, withColor).Encode();
            ASSERT_EQ(expected.size(), 84 + 50 * SolidTriangleCount(cols, rows));
            EXPECT_TRUE(WriteStl(g, withColor, folder) == expected);
        }
    }
    // Big enough to cross the writer's internal blocks.
    const Grid large = MakeGrid(130, 70);
    EXPECT_TRUE(WriteStl(large, true, folder) == ReferenceStl(large, true).Encode());
}

TEST(StlFile, DegenerateGridsKeepTheHeader) {
    ScratchFolder folder;
    const Grid single = MakeGrid(1, 1);
    EXPECT_EQ(WriteStl(single, true, folder), std::string(80, ' ') + std::string(4, '\0'));
    const Grid line = MakeGrid(1, 4); // only the left and right walls along the rows
    const std::string stl = WriteStl(line, true, folder);
    EXPECT_EQ(stl.size(), 84u + 50u * 18u);
}

struct Facet {
    Vec normal;
    std::array<Vec, 3> v;
};

std::vector<Facet> ReadFacets(const std::string& stl) {
    std::uint32_t count = 0;
    std::memcpy(&count, stl.data() + 80, 4);
    std::vector<Facet> facets(count);
    for (std::size_t t = 0; t < count; ++t) {
        const char* at = stl.data() + 84 + 50 * t;
        std::memcpy(facets[t].normal.data(), at, 12);
        for (std::size_t k = 0; k < 3; ++k)
            std::memcpy(facets[t].v[k].data(), at + 12 + 12 * k, 12);
    }
    return facets;
}

// (v1 - v0) x (v2 - v0) in double: the direction the vertex order gives by the right-hand rule.
std::array<double, 3> RightHandNormal(const Facet& f) {
    std::array<double, 3> a{};
    std::array<double, 3> b{};
    for (std::size_t k = 0; k < 3; ++k) {
        a[k] = static_cast<double>(f.v[1][k]) - f.v[0][k];
        b[k] = static_cast<double>(f.v[2][k]) - f.v[0][k];
    }
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Mesh checkers and slicers trust the stored normal: it has to agree with the vertex order and
// point out of the solid (up on the top, down on the floor, away from the middle on the walls).
TEST(StlFile, StoredNormalsFollowTheVertexOrderAndPointOut) {
    struct Case {
        const char* name;
        std::size_t cols, rows;
        std::function<void(Grid&)> shape;
    };
    const Case cases[] = {
        {"above the base plane", 4, 5, [](Grid&) {}},
        {"wide", 97, 13, [](Grid&) {}},
        {"front row on the base plane", 5, 3,
         [](Grid& g) {
             for (std::size_t c = 0; c < g.cols; ++c)
                 g.positions[c * kVertexFloats + 2] = 0.0f;
         }},
        {"partly below the base plane", 6, 4,
         [](Grid& g) {
             for (std::size_t i = 0; i < g.cols * g.rows; i += 3)
                 g.positions[i * kVertexFloats + 2] = -0.8f;
         }},
    };
    ScratchFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid g = MakeGrid(c.cols, c.rows);
        c.shape(g);
        const std::vector<Facet> facets = ReadFacets(WriteStl(g, true, folder));
        ASSERT_EQ(facets.size(), SolidTriangleCount(c.cols, c.rows));
        const std::size_t walls = 6 * (c.cols - 1) + 6 * (c.rows - 1);
        for (std::size_t t = 0; t < facets.size(); ++t) {
            SCOPED_TRACE("facet " + std::to_string(t));
            const Facet& f = facets[t];
            const Vec& n = f.normal;
            EXPECT_NEAR(std::hypot(n[0], n[1], n[2]), 1.0, 1e-6);
            const std::array<double, 3> r = RightHandNormal(f);
            const double length = std::hypot(r[0], r[1], r[2]);
            if (length > 1e-9) {
                EXPECT_GT((n[0] * r[0] + n[1] * r[1] + n[2] * r[2]) / length, 1.0 - 1e-6);
            }
            const bool floor = t < walls && t % 3 == 2; // each wall segment ends with its floor triangle
            if (t >= walls) {
                EXPECT_GT(n[2], 0.0f);
            } else if (floor) {
                EXPECT_EQ(n, (Vec{0, 0, -1}));
            } else if (length <= 1e-9 || std::min({f.v[0][2], f.v[1][2], f.v[2][2]}) >= 0.0f) {
                const float cx = f.v[0][0] + f.v[1][0] + f.v[2][0];
                const float cy = f.v[0][1] + f.v[1][1] + f.v[2][1];
                EXPECT_EQ(n[2], 0.0f);
                EXPECT_GT(n[0] * cx + n[1] * cy, 0.0f);
            }
        }
    }
}

TEST(VrmlFile, NumbersIgnoreADecimalCommaLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    ScratchFolder folder;
    Grid g = MakeGrid(2, 2);
    g.positions[0] = -5.0f;
    g.positions[1] = -1.5f;
    g.colors[0] = 0.25f;
    const std::string path = folder.File("out.wrl");
    const bool written = WriteVrmlFile(path.c_str(), 2, 2, g.positions.data(), g.colors.data(), true);
    std::setlocale(LC_ALL, previous.c_str());
    ASSERT_TRUE(written);
    const std::string wrl = ReadAll(path);
    EXPECT_EQ(wrl.rfind("#VRML V2.0 utf8\r\n", 0), 0u);
    EXPECT_NE(wrl.find("\t\t\t-5.000000 -1.500000 0.000000,\r\n"), std::string::npos);
    EXPECT_NE(wrl.find("\t\t\t0.250 "), std::string::npos);
    for (std::size_t at = wrl.find(','); at != std::string::npos; at = wrl.find(',', at + 1))
        ASSERT_FALSE(std::isdigit(static_cast<unsigned char>(wrl[at + 1]))) << "a decimal comma at " << at;
}

using FileWriter = std::function<bool(const std::string&, const Grid&, std::string*)>;

struct WriterCase {
    const char* name;
    FileWriter write;
};

const WriterCase kWriters[] = {
    {"STL",
     [](const std::string& path, const Grid& g, std::string* error) {
         return WriteStlFile(path.c_str(), g.cols, g.rows, g.positions.data(), g.colors.data(), true, error);
     }},
    {"VRML",
     [](const std::string& path, const Grid& g, std::string* error) {
         return WriteVrmlFile(path.c_str(), g.cols, g.rows, g.positions.data(), g.colors.data(), true, error);
     }},
};

TEST(ExportFiles, FailuresKeepTheEarlierFileAndSayWhy) {
    const Grid g = MakeGrid(200, 150); // about 3 MB of STL, 9 MB of VRML
    for (const WriterCase& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        ScratchFolder folder;
        const std::string target = folder.File("surface");
        testsupport::WriteAll(target, "earlier export");

        const testsupport::LimitedWrite full = testsupport::WriteUnderFileSizeLimit(
            1 << 20, [&](std::string& error) { return writer.write(target, g, &error); });
        ASSERT_TRUE(full.finished);
        EXPECT_FALSE(full.result);
        EXPECT_EQ(full.error, "File too large");
        EXPECT_EQ(ReadAll(target), "earlier export");
        EXPECT_EQ(folder.Names(), std::set<std::string>{"surface"});

        std::string error;
        EXPECT_FALSE(writer.write(target + "/inside", g, &error));
        EXPECT_EQ(error, "Not a directory");

        EXPECT_TRUE(writer.write(target, g, &error));
        EXPECT_NE(ReadAll(target), "earlier export");
        EXPECT_EQ(folder.Names(), std::set<std::string>{"surface"});
    }
}

} // namespace
