// Building the drawable copy of a mesh (vertices, normals, colours) in ns per point, against a
// plain pass that allocates and writes the same bytes. One core, best of several runs.
#include "bench/BenchRow.h"
#include "CVideoMemoryMeshData.h"
#include "MeshGeometry.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Writes the vertex and colour arrays with trivial values.
float PlainWrite(std::vector<float>& vertices, std::vector<float>& colors) {
    for (std::size_t i = 0; i < vertices.size(); ++i)
        vertices[i] = static_cast<float>(i & 1023);
    for (std::size_t i = 0; i < colors.size(); ++i)
        colors[i] = static_cast<float>(i & 255);
    return vertices[vertices.size() / 2] + colors[colors.size() / 3];
}

// The same with fresh arrays, as the build allocates its own.
float PlainPass(std::size_t points) {
    std::vector<float> vertices(points * kVertexFloats);
    std::vector<float> colors(points * kColorFloats);
    return PlainWrite(vertices, colors);
}
} // namespace

int main() {
    std::vector<ColorRGBA> table(256);
    for (int i = 0; i < 256; ++i) {
        const auto v = static_cast<std::uint8_t>(i);
        table[static_cast<std::size_t>(i)] = ColorRGBA{v, v, v, 255};
    }
    for (const int n : {1024, 4096}) {
        const std::size_t points = static_cast<std::size_t>(n) * n;
        std::vector<float> heights(points);
        for (std::size_t i = 0; i < points; ++i)
            heights[i] =
                std::sin(0.01f * static_cast<float>(i % n)) * std::cos(0.013f * static_cast<float>(i / n));
        MeshParams params;
        params.Columns = static_cast<std::uint16_t>(n);
        params.Rows = static_cast<std::uint16_t>(n);
        params.XExtent = params.YExtent = 1.0f;
        params.ZOffset = -1.0f;
        params.ZRange = 2.0f;
        MeshColorSource source{heights.data(), -1.0f, 2.0f, ColorRGBA{}, &table};

        const int runs = n == 1024 ? 5 : 2;
        double build = 1e9;
        double plain = 1e9;
        float sink = 0.0f;
        for (int run = 0; run < runs; ++run) {
            CVideoMemoryMeshData copy;
            auto start = Clock::now();
            copy.Build(params, heights.data(), source, 0, false);
            build = std::min(build, Seconds(start));
            sink += copy.Vertices()[points];
            start = Clock::now();
            sink += PlainPass(points);
            plain = std::min(plain, Seconds(start));
        }
        // The arithmetic alone, into arrays already in memory.
        std::vector<float> vertices(points * kVertexFloats, 0.0f);
        std::vector<float> colors(points * kColorFloats, 0.0f);
        double compute = 1e9;
        double write = 1e9;
        for (int run = 0; run < runs; ++run) {
            auto start = Clock::now();
            ComputeVertices(params, heights.data(), 0, n, vertices.data());
            ComputeNormals(vertices.data(), points);
            ComputeColors(heights.data(), points, -1.0f, 2.0f, ColorRGBA{}, table, colors.data());
            compute = std::min(compute, Seconds(start));
            start = Clock::now();
            sink += PlainWrite(vertices, colors);
            write = std::min(write, Seconds(start));
        }
        std::printf("mesh arithmetic %d x %d: %.2f ns/point, plain write into the same arrays "
                    "%.2f ns/point, ratio %.2f\n",
                    n, n, compute * 1e9 / points, write * 1e9 / points, compute / write);
        std::printf("mesh build %d x %d: %.2f ns/point, plain write of the same bytes %.2f "
                    "ns/point, ratio %.2f (checksum %.1f)\n",
                    n, n, build * 1e9 / points, plain * 1e9 / points, build / plain,
                    static_cast<double>(sink));
        const std::string grid = std::to_string(n) + "^2";
        PrintBenchRow("mesh build ns/point, " + grid, build * 1e9 / points, "ns", "<=", 15, "");
        PrintBenchRow("mesh build vs bare write pass, " + grid, build / plain, "x", "<=", 3,
                      std::to_string(std::lround(plain * 1e9 / points)) + " ns/point bare");
    }
    return 0;
}
