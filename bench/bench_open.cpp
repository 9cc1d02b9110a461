// bench_open [FOLDER]: opening a 4096 x 4096 x 4 float wave (256 MB) with CIBWReader, and
// describing it with ibwdump's DumpWave, against one plain read() of the same bytes into a
// malloc'ed buffer (and, for the other byte order, a read followed by one swap pass), as ratios of
// medians of 5 rounds, and the peak resident memory of each as a multiple of the file size; then
// opening a 4096 x 4096 x 2 wave of 64-bit floats (256 MB), whose values become 128 MB of floats. Each
// measurement runs in its own child process so that its peak memory is its own; the file is written by a
// child as well. Times are the children's CPU time (user + system, from wait4): on a shared machine wall time
// mostly measures waiting for a core. Ends with one "ROW" line per figure for the bench table.
#include "bench/BenchRow.h"
#include "ibw/CIBWReader.h"
#include "tools/ibwdump/DumpWave.h"
#include "tools/ibwgen/IbwGen.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kSide = 4096;
constexpr int kLayers = 4;
constexpr int kRounds = 5;

int WriteWave(const std::string& path, bool bigEndian, bool doubles) {
    const int layers = doubles ? kLayers / 2 : kLayers;
    ibwgen::WaveSpec waveSpec;
    waveSpec.bigEndian = bigEndian;
    waveSpec.type = doubles ? 0x04 : 0x02;
    waveSpec.trailer = doubles ? ibwgen::Trailer::None : ibwgen::Trailer::KTZ9W;
    waveSpec.dims = {kSide, kSide, layers, 0};
    waveSpec.dimUnits = {"m", "m", "", ""};
    waveSpec.dimLabels[2] = {"HeightRetrace", "AmplitudeRetrace", "PhaseRetrace", "ZSensorRetrace"};
    waveSpec.note = "ScanSize: 5e-06\rScanRate: 1\r";
    waveSpec.values.resize(static_cast<std::size_t>(kSide) * kSide * layers);
    for (std::size_t i = 0; i < waveSpec.values.size(); ++i) {
        waveSpec.values[i] = static_cast<float>(i % 65521) * 1e-12f;
    }
    return ibwgen::WriteWaveFile(path, waveSpec) ? 0 : 1;
}

// The exit status says whether it worked.
int OpenWave(const std::string& path) {
    CIBWReader reader;
    return reader.Open(path) && reader.channelCount >= kLayers / 2 ? 0 : 1;
}

int DescribeWave(const std::string& path) {
    std::string json;
    return DumpWave(path, &json) == 0 && !json.empty() ? 0 : 1;
}

// swapPass: also reverse every 4-byte word once, the least any reader of other-order data must do.
int PlainRead(const std::string& path, bool swapPass) {
    int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return 1;
    }
    off_t size = lseek(fd, 0, SEEK_END);
    lseek(fd, 0, SEEK_SET);
    auto* buffer = static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(size)));
    ssize_t got = read(fd, buffer, static_cast<std::size_t>(size));
    close(fd);
    if (swapPass && got > 0) {
        SwapUnitBytes(buffer, 4, got / 4);
    }
    std::free(buffer);
    return got == size ? 0 : 1;
}

struct ChildResult {
    bool ok = false;
    double seconds = 0;
    double peakBytes = 0;
};

// Runs this program again with a child mode and collects its CPU time and peak resident memory.
ChildResult RunChild(const char* self, const char* mode, const std::string& path) {
    ChildResult result;
    std::string modeArg = mode;
    std::string pathArg = path;
    char* argv[] = {const_cast<char*>(self), modeArg.data(), pathArg.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, self, nullptr, nullptr, argv, environ) != 0) {
        return result;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    result.seconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    result.peakBytes = static_cast<double>(usage.ru_maxrss) * 1024.0;
    return result;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool Measure(const char* self, const std::string& path, const char* label, bool doubles, bool describe) {
    double fileSize = static_cast<double>(std::filesystem::file_size(path));
    std::vector<double> openTimes, readTimes, swapTimes, dumpTimes, openPeaks, readPeaks;
    for (int round = 0; round < kRounds; ++round) {
        ChildResult plain = RunChild(self, "--plain-read", path);
        ChildResult swapped = RunChild(self, "--read-and-swap", path);
        ChildResult opened = RunChild(self, "--open", path);
        ChildResult dumped = describe ? RunChild(self, "--describe", path) : ChildResult{true};
        if (!plain.ok || !swapped.ok || !opened.ok || !dumped.ok) {
            std::fprintf(stderr, "bench_open: a measurement failed\n");
            return false;
        }
        readTimes.push_back(plain.seconds);
        swapTimes.push_back(swapped.seconds);
        openTimes.push_back(opened.seconds);
        dumpTimes.push_back(dumped.seconds);
        readPeaks.push_back(plain.peakBytes);
        openPeaks.push_back(opened.peakBytes);
    }
    double open = Median(openTimes);
    double plain = Median(readTimes);
    double swapped = Median(swapTimes);
    std::printf("%-13s file %.1f MB | open %.1f ms, plain read %.1f ms, ratio %.3f; "
                "read + one swap pass %.1f ms, ratio %.3f | peak memory: open %.3f x file, "
                "plain read %.3f x file\n",
                label, fileSize / 1e6, open * 1e3, plain * 1e3, open / plain, swapped * 1e3, open / swapped,
                Median(openPeaks) / fileSize, Median(readPeaks) / fileSize);
    const bool floats = !doubles;
    // Floats of a 64-bit wave take half its bytes; the read goes through a small slice.
    const double peakGoal = floats ? 1.1 : 0.6;
    const std::string size = floats ? "4096^2 x 4, " : "4096^2 x 2, ";
    PrintBenchRow("open vs raw read, " + size + label, open / plain, "x", "<=", floats ? 1.3 : 1.6,
                  std::to_string(static_cast<int>(open * 1e3)) + " ms vs " +
                      std::to_string(static_cast<int>(plain * 1e3)) + " ms CPU");
    PrintBenchRow(std::string("peak memory vs file size, open, ") + label, Median(openPeaks) / fileSize, "x",
                  "<=", peakGoal,
                  "plain read " + std::to_string(Median(readPeaks) / fileSize).substr(0, 5) + " x");
    if (describe) {
        // Describing reads the wave once and adds one pass over its floats.
        const double dump = Median(dumpTimes);
        std::printf("%-13s describe (ibwdump) %.1f ms, ratio to plain read %.3f\n", label, dump * 1e3,
                    dump / plain);
        PrintBenchRow("ibwdump describe vs raw read, " + size + label, dump / plain, "x", "<=", 1.6,
                      std::to_string(static_cast<int>(dump * 1e3)) + " ms vs " +
                          std::to_string(static_cast<int>(plain * 1e3)) + " ms CPU");
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-little") == 0) {
        return WriteWave(argv[2], false, false);
    }
    if (argc == 3 && std::strcmp(argv[1], "--write-big") == 0) {
        return WriteWave(argv[2], true, false);
    }
    if (argc == 3 && std::strcmp(argv[1], "--write-doubles") == 0) {
        return WriteWave(argv[2], false, true);
    }
    if (argc == 3 && std::strcmp(argv[1], "--describe") == 0) {
        return DescribeWave(argv[2]);
    }
    if (argc == 3 && std::strcmp(argv[1], "--open") == 0) {
        return OpenWave(argv[2]);
    }
    if (argc == 3 && std::strcmp(argv[1], "--plain-read") == 0) {
        return PlainRead(argv[2], false);
    }
    if (argc == 3 && std::strcmp(argv[1], "--read-and-swap") == 0) {
        return PlainRead(argv[2], true);
    }
    std::filesystem::path folder =
        argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
    std::string self = std::filesystem::canonical("/proc/self/exe").string();
    bool ok = true;
    for (bool big : {false, true}) {
        std::string path = (folder / (big ? "bench_open_big.ibw" : "bench_open_little.ibw")).string();
        if (!RunChild(self.c_str(), big ? "--write-big" : "--write-little", path).ok) {
            std::fprintf(stderr, "bench_open: cannot write %s\n", path.c_str());
            return 1;
        }
        ok = Measure(self.c_str(), path, big ? "big-endian" : "little-endian", false, !big) && ok;
        std::filesystem::remove(path);
    }
    std::string path = (folder / "bench_open_doubles.ibw").string();
    if (!RunChild(self.c_str(), "--write-doubles", path).ok) {
        std::fprintf(stderr, "bench_open: cannot write %s\n", path.c_str());
        return 1;
    }
    ok = Measure(self.c_str(), path, "64-bit floats", true, false) && ok;
    std::filesystem::remove(path);
    return ok ? 0 : 1;
}
