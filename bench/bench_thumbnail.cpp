// bench_thumbnail [INPUT]: thumbnails of the bundled sample (or INPUT) at 128 x 128, through the
// whole qvibw-thumbnailer process (spawned, its CPU time taken from wait4) and through the library
// call in this process, against spawning /bin/true. The goal is well under 10 ms of process time
// per thumbnail. Then the same for a 4096 x 4096 float wave without preview footer (64 MB), drawn
// from its data, with what it reads: the bytes the byte source returns and the bytes the kernel
// hands the process (rchar of /proc/self/io), which counts whole pages.
#include "bench/BenchRow.h"
#include "shellext/CFileByteSource.h"
#include "shellext/CIBWPreview.h"
#include "shellext/RenderFirstChannel.h"
#include "shellext/linux/FileThumbnail.h"
#include "shellext/linux/WritePalettePng.h"
#include "tests/support/CountingByteSource.h"
#include "tools/ibwgen/IbwGen.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kProcessRounds = 200;
constexpr int kLibraryRounds = 2000;
constexpr int kWaveSide = 4096;

double CpuSeconds(const rusage& usage) {
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

struct Figures {
    double cpuMs = 0;  // per run
    double wallMs = 0; // per run
    bool ok = true;
};

Figures SpawnRounds(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    Figures figures;
    double cpu = 0;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kProcessRounds; ++i) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            figures.ok = false;
            return figures;
        }
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            figures.ok = false;
        }
        cpu += CpuSeconds(usage);
    }
    figures.wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
        kProcessRounds;
    figures.cpuMs = cpu * 1000 / kProcessRounds;
    return figures;
}

Figures LibraryRounds(const std::string& input, const std::string& output, int rounds) {
    Figures figures;
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        std::optional<PaletteBitmap> bitmap = FileThumbnail(input, 128);
        figures.ok = figures.ok && bitmap && WritePalettePng(*bitmap, output);
    }
    figures.wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / rounds;
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    figures.cpuMs = (CpuSeconds(after) - CpuSeconds(before)) * 1000 / rounds;
    return figures;
}

void Print(const char* what, const Figures& figures) {
    std::printf("%-28s %9.3f ms cpu %9.3f ms wall %9.0f /s%s\n", what, figures.cpuMs, figures.wallMs,
                1000 / figures.wallMs, figures.ok ? "" : "  FAILED");
}

// A ramp with NaN every 1000th value, no footer, no trailer.
bool WriteFooterlessWave(const std::string& path) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.dims = {kWaveSide, kWaveSide, 0, 0};
    waveSpec.trailer = ibwgen::Trailer::None;
    waveSpec.values.resize(static_cast<std::size_t>(kWaveSide) * kWaveSide);
    for (std::size_t i = 0; i < waveSpec.values.size(); ++i) {
        waveSpec.values[i] = i % 1000 == 999 ? NAN : static_cast<float>(i % 65521);
    }
    return ibwgen::WriteWaveFile(path, waveSpec);
}

// The bytes the kernel has handed this process through read calls so far.
std::uint64_t KernelBytesRead() {
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value) {
        if (key == "rchar:") {
            return value;
        }
    }
    return 0;
}

struct Reading {
    std::uint64_t sourceBytes = 0;
    std::uint64_t sourceCalls = 0;
    std::uint64_t kernelBytes = 0;
};

Reading ReadingOf(const std::string& input, int side) {
    Reading reading;
    const std::uint64_t before = KernelBytesRead();
    auto counted = std::make_shared<CCountingByteSource>(std::make_shared<CFileByteSource>(input));
    CIBWPreview preview;
    preview.Load(counted, 0);
    if (!RenderFirstChannel(preview, {side, side})) {
        return {};
    }
    reading.kernelBytes = KernelBytesRead() - before;
    reading.sourceBytes = counted->bytes;
    reading.sourceCalls = counted->calls;
    return reading;
}

} // namespace

int main(int argc, char** argv) {
    const std::string input = argc > 1 ? argv[1] : QV_SAMPLE_IBW;
    const std::string output =
        (std::filesystem::temp_directory_path() / ("bench_thumbnail_" + std::to_string(getpid()) + ".png"))
            .string();
    std::printf("thumbnails of %s at 128 x 128, per thumbnail\n", input.c_str());
    Figures process = SpawnRounds({QV_THUMBNAILER, "-s", "128", input, output});
    Figures empty = SpawnRounds({"/bin/true"});
    Figures library = LibraryRounds(input, output, kLibraryRounds);
    Print("qvibw-thumbnailer process", process);
    Print("/bin/true process", empty);
    Print("library call (in process)", library);
    std::printf("process time beyond /bin/true: %.3f ms (goal: well under 10 ms in all)\n",
                process.cpuMs - empty.cpuMs);

    const std::string wave =
        (std::filesystem::temp_directory_path() / ("bench_thumbnail_" + std::to_string(getpid()) + ".ibw"))
            .string();
    bool waveOk = WriteFooterlessWave(wave);
    const std::uint64_t waveBytes = waveOk ? std::filesystem::file_size(wave) : 0;
    std::printf("\nthumbnails of a %d x %d float wave without preview footer (%.1f MB) at 128 x 128\n",
                kWaveSide, kWaveSide, static_cast<double>(waveBytes) / (1 << 20));
    // Once first, so the rounds below read from the page cache as the bytes figures do.
    waveOk = waveOk && FileThumbnail(wave, 128).has_value();
    Figures waveProcess = SpawnRounds({QV_THUMBNAILER, "-s", "128", wave, output});
    Figures waveLibrary = LibraryRounds(wave, output, kProcessRounds);
    Print("qvibw-thumbnailer process", waveProcess);
    Print("library call (in process)", waveLibrary);
    const double beyond = waveProcess.cpuMs - empty.cpuMs;
    std::printf("process time beyond /bin/true: %.3f ms (goal: under 10 ms)\n", beyond);
    for (int side : {128, 256}) {
        const Reading reading = ReadingOf(wave, side);
        waveOk = waveOk && reading.sourceBytes > 0;
        std::printf(
            "at %d x %d: %llu calls, %.1f KB from the byte source, %.1f KB from the kernel, of %.1f MB\n",
            side, side, static_cast<unsigned long long>(reading.sourceCalls),
            static_cast<double>(reading.sourceBytes) / 1024, static_cast<double>(reading.kernelBytes) / 1024,
            static_cast<double>(waveBytes) / (1 << 20));
        const std::string at = std::to_string(side) + " x " + std::to_string(side);
        PrintBenchRow("footer-less 4096^2 float thumbnail, read at " + at,
                      static_cast<double>(reading.sourceBytes) / 1024, "KB", "-", 0,
                      std::to_string(reading.kernelBytes / 1024) + " KB from the kernel, " +
                          std::to_string(reading.sourceCalls) + " calls, of 64 MB");
    }
    PrintBenchRow("footer-less 4096^2 float thumbnail beyond /bin/true", beyond, "ms", "<", 10,
                  "qvibw-thumbnailer -s 128, CPU time");
    std::filesystem::remove(wave);
    std::filesystem::remove(output);
    return process.ok && empty.ok && library.ok && waveProcess.ok && waveLibrary.ok && waveOk ? 0 : 1;
}
