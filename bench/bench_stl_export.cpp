// STL export of a 1024 x 1024 mesh in MB/s of CPU time (positions, colours and the file), against a raw
// write of the same number of bytes with the same durability (write, fsync, close).
// Usage: bench_stl_export [FOLDER]. The default folder is /dev/shm where it exists, so the
// figures show the exporter's own cost rather than the disk's; give a disk folder to see both.
#include "render/detail/MeshGeometry.h"
#include "render/detail/SolidTriangles.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {
// Process CPU time (user and system, one thread): other work on a shared machine blurs it far
// less than wall time, and writes into memory are all CPU work.
double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

std::string OutputFolder(int argc, char** argv) {
    if (argc > 1)
        return argv[1];
    std::error_code code;
    if (std::filesystem::is_directory("/dev/shm", code))
        return "/dev/shm";
    return std::filesystem::temp_directory_path().string();
}

bool RawWrite(const std::string& path, const std::vector<char>& block) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const ssize_t written = ::write(fd, block.data(), block.size());
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced && written == static_cast<ssize_t>(block.size());
}
} // namespace

int main(int argc, char** argv) {
    constexpr int n = 1024;
    constexpr int runs = 7;
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
    const std::string folder = OutputFolder(argc, argv);
    const std::string path = folder + "/qv_bench_export.stl";
    const std::size_t bytes = 84 + 50 * SolidTriangleCount(n, n);

    double exportTime = 1e9;
    double writerTime = 1e9;
    double writeTime = 1e9;
    std::vector<char> block(bytes, ' ');
    for (int run = 0; run < runs; ++run) {
        double start = CpuSeconds();
        // As the mesh's export does: arrays that are written before they are read.
        const auto positions = std::make_unique_for_overwrite<float[]>(points * kVertexFloats);
        const auto colors = std::make_unique_for_overwrite<float[]>(points * kColorFloats);
        ComputeVertices(params, heights.data(), 0, n, positions.get());
        ComputeColors(heights.data(), points, params.ZOffset, params.ZRange, params.NaNColor, table,
                      colors.get());
        std::string error;
        if (!WriteStlFile(path.c_str(), n, n, positions.get(), colors.get(), true, &error)) {
            std::fprintf(stderr, "could not write %s: %s\n", path.c_str(), error.c_str());
            return 1;
        }
        exportTime = std::min(exportTime, CpuSeconds() - start);

        start = CpuSeconds();
        WriteStlFile(path.c_str(), n, n, positions.get(), colors.get(), true);
        writerTime = std::min(writerTime, CpuSeconds() - start);

        start = CpuSeconds();
        if (!RawWrite(path, block))
            return 1;
        writeTime = std::min(writeTime, CpuSeconds() - start);
    }
    std::remove(path.c_str());
    const double mb = static_cast<double>(bytes) / 1e6;
    std::printf("STL export %d x %d (%.1f MB) into %s: %.0f MB/s, raw write %.0f MB/s, ratio %.2f\n", n, n,
                mb, folder.c_str(), mb / exportTime, mb / writeTime, writeTime / exportTime);
    std::printf("STL writer alone (arrays already computed): %.0f MB/s, ratio %.2f\n", mb / writerTime,
                writeTime / writerTime);
    return 0;
}
