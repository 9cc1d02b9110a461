// STL and VRML export of a mesh in MB/s of CPU time (positions, colours and the file), each against a
// raw write of the same number of bytes with the same durability (write, fsync, close).
// Usage: bench_mesh_export [FOLDER]. The default folder is /dev/shm where it exists, so the
// figures show the exporters' own cost rather than the disk's; give a disk folder to see both.
#include "bench/BenchRow.h"
#include "MeshGeometry.h"
#include "SolidTriangles.h"

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

using Writer = bool (*)(const char*, std::size_t, std::size_t, const float*, const float*, bool,
                        std::string*);

struct Timing {
    std::size_t bytes = 0;
    double exportTime = 1e9; // arrays computed and the file written, as the mesh's export does
    double writerTime = 1e9; // the file alone
    double writeTime = 1e9;  // a raw write of as many bytes
};

bool Measure(Writer writer, int n, const std::string& path, Timing* timing) {
    constexpr int runs = 5;
    const std::size_t points = static_cast<std::size_t>(n) * n;
    std::vector<float> heights(points);
    for (std::size_t i = 0; i < points; ++i)
        heights[i] = 1.5f + std::sin(0.01f * static_cast<float>(i % static_cast<std::size_t>(n)));
    std::vector<ColorRGBA> table(256);
    for (int i = 0; i < 256; ++i)
        table[static_cast<std::size_t>(i)] = ColorRGBA{static_cast<std::uint8_t>(i), 0, 0, 255};
    MeshParams params;
    params.Columns = params.Rows = n;
    params.XExtent = params.YExtent = 1.0f;
    params.ZOffset = 0.0f;
    params.ZRange = 3.0f;
    for (int run = 0; run < runs; ++run) {
        double start = CpuSeconds();
        // Arrays that are written before they are read, as in the mesh's export.
        const auto positions = std::make_unique_for_overwrite<float[]>(points * kVertexFloats);
        const auto colors = std::make_unique_for_overwrite<float[]>(points * kColorFloats);
        ComputeVertices(params, heights.data(), 0, n, positions.get());
        ComputeColors(heights.data(), points, params.ZOffset, params.ZRange, params.NaNColor, table,
                      colors.get());
        std::string error;
        if (!writer(path.c_str(), n, n, positions.get(), colors.get(), true, &error)) {
            std::fprintf(stderr, "could not write %s: %s\n", path.c_str(), error.c_str());
            return false;
        }
        timing->exportTime = std::min(timing->exportTime, CpuSeconds() - start);

        start = CpuSeconds();
        writer(path.c_str(), n, n, positions.get(), colors.get(), true, nullptr);
        timing->writerTime = std::min(timing->writerTime, CpuSeconds() - start);

        timing->bytes = std::filesystem::file_size(path);
        const std::vector<char> block(timing->bytes, ' ');
        start = CpuSeconds();
        if (!RawWrite(path, block))
            return false;
        timing->writeTime = std::min(timing->writeTime, CpuSeconds() - start);
    }
    std::remove(path.c_str());
    return true;
}

void Report(const char* format, int n, const std::string& folder, const Timing& t, const char* goalOp,
            double goal) {
    const double mb = static_cast<double>(t.bytes) / 1e6;
    std::printf("%s export %d x %d (%.1f MB) into %s: %.0f MB/s, raw write %.0f MB/s, ratio %.2f\n", format,
                n, n, mb, folder.c_str(), mb / t.exportTime, mb / t.writeTime, t.writeTime / t.exportTime);
    std::printf("%s writer alone (arrays already computed): %.0f MB/s, ratio %.2f\n", format,
                mb / t.writerTime, t.writeTime / t.writerTime);
    char detail[128];
    std::snprintf(detail, sizeof detail, "%.0f vs %.0f MB/s of CPU time", mb / t.exportTime,
                  mb / t.writeTime);
    PrintBenchRow(std::string(format) + " write vs raw write, " + std::to_string(n) + "^2",
                  t.writeTime / t.exportTime, "x", goalOp, goal, detail);
}
} // namespace

int main(int argc, char** argv) {
    const std::string folder = OutputFolder(argc, argv);
    Timing stl;
    if (!Measure(&WriteStlFile, 1024, folder + "/qv_bench_export.stl", &stl))
        return 1;
    Report("STL", 1024, folder, stl, ">=", 0.6);
    // VRML text takes about four times the bytes of STL per point: a smaller grid keeps the run short.
    Timing vrml;
    if (!Measure(&WriteVrmlFile, 512, folder + "/qv_bench_export.wrl", &vrml))
        return 1;
    Report("VRML", 512, folder, vrml, "-", 0);
    return 0;
}
