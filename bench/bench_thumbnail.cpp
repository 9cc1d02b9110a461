// bench_thumbnail [INPUT]: thumbnails of the bundled sample (or INPUT) at 128 x 128, through the
// whole qvibw-thumbnailer process (spawned, its CPU time taken from wait4) and through the library
// call in this process, against spawning /bin/true. The goal is well under 10 ms of process time
// per thumbnail.
#include "shellext/linux/FileThumbnail.h"
#include "shellext/linux/WritePalettePng.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kProcessRounds = 200;
constexpr int kLibraryRounds = 2000;

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

Figures LibraryRounds(const std::string& input, const std::string& output) {
    Figures figures;
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kLibraryRounds; ++i) {
        std::optional<PaletteBitmap> bitmap = FileThumbnail(input, 128);
        figures.ok = figures.ok && bitmap && WritePalettePng(*bitmap, output);
    }
    figures.wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
        kLibraryRounds;
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    figures.cpuMs = (CpuSeconds(after) - CpuSeconds(before)) * 1000 / kLibraryRounds;
    return figures;
}

void Print(const char* what, const Figures& figures) {
    std::printf("%-28s %9.3f ms cpu %9.3f ms wall %9.0f /s%s\n", what, figures.cpuMs, figures.wallMs,
                1000 / figures.wallMs, figures.ok ? "" : "  FAILED");
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
    Figures library = LibraryRounds(input, output);
    Print("qvibw-thumbnailer process", process);
    Print("/bin/true process", empty);
    Print("library call (in process)", library);
    std::printf("process time beyond /bin/true: %.3f ms (goal: well under 10 ms in all)\n",
                process.cpuMs - empty.cpuMs);
    std::filesystem::remove(output);
    return process.ok && empty.ok && library.ok ? 0 : 1;
}
