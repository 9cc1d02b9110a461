// STL export of a 1024 x 1024 mesh in MB/s (positions, colours and the file), against one
// write() of the same number of bytes.
#include "render/detail/MeshGeometry.h"
#include "render/detail/SolidTriangles.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}
} // namespace

int main() {
    constexpr int n = 1024;
    constexpr std::size_t points = static_cast<std::size_t>(n) * n;
    std::vector<float> heights(points);
    for (std::size_t i = 0; i < points; ++i)
        heights[i] = 1.5f + std::sin(0.01f * static_cast<float>(i % n));
    std::vector<ColorRGBA> table(256);
    for (int i = 0; i < 256; ++i)
        table[static_cast<std::size_t>(i)] = ColorRGBA{static_cast<std::uint8_t>(i), 0, 0, 255};
    MeshParams params;
    params.Columns = params.Rows = n;
    params.XExtent = params.YExtent = 1.0f;
    params.ZOffset = 0.0f;
    params.ZRange = 3.0f;
    const char* path = "/tmp/qv_bench_export.stl";
    const std::size_t bytes = 84 + 50 * SolidTriangleCount(n, n);

    double exportTime = 1e9;
    double writerTime = 1e9;
    double writeTime = 1e9;
    std::vector<char> block(bytes, ' ');
    for (int run = 0; run < 3; ++run) {
        auto start = Clock::now();
        std::vector<float> positions(points * kVertexFloats);
        std::vector<float> colors(points * kColorFloats);
        ComputeVertices(params, heights.data(), 0, n, positions.data());
        ComputeColors(heights.data(), points, params.ZOffset, params.ZRange, params.NaNColor, table,
                      colors.data());
        WriteStlFile(path, n, n, positions.data(), colors.data(), true);
        exportTime = std::min(exportTime, Seconds(start));

        start = Clock::now();
        WriteStlFile(path, n, n, positions.data(), colors.data(), true);
        writerTime = std::min(writerTime, Seconds(start));

        start = Clock::now();
        const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const ssize_t written = ::write(fd, block.data(), block.size());
        ::close(fd);
        writeTime = std::min(writeTime, Seconds(start));
        if (written != static_cast<ssize_t>(bytes))
            return 1;
    }
    std::remove(path);
    const double mb = static_cast<double>(bytes) / 1e6;
    std::printf("STL export %d x %d (%.1f MB): %.0f MB/s, one write() %.0f MB/s, ratio %.2f\n", n, n, mb,
                mb / exportTime, mb / writeTime, writeTime / exportTime);
    std::printf("STL writer alone (arrays already computed): %.0f MB/s, ratio %.2f\n", mb / writerTime,
                writeTime / writerTime);
    return 0;
}
