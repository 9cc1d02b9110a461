// truncation_sweep [--full] [--files-only] --work DIR --tool "PROGRAM ARG..." ... [FILE...]: opens
// damaged copies of every fixture kind (written into DIR; a few of them when sampled, none with
// --files-only) and of each FILE with each tool, one process per run. In a tool's arguments {}
// stands for the damaged file and {out} for an output path in DIR. Every run must succeed, or fail
// with a message on standard error; it must not end by a signal or a sanitizer report, outlast the
// time bound, or take more peak memory than a small multiple of the file over the tool's own
// baseline. Prints one line per file and tool; exit 1 on any violation.
#include "tests/sweep/DamageCases.h"
#include "tests/sweep/RunTool.h"
#include "tests/sweep/SweepFixtures.h"
#include "tools/ibwgen/IbwGen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr int kTimeoutSeconds = 20;
constexpr long kMemoryFactor = 4;      // peak memory may grow by this multiple of the file size
constexpr long kMemorySlackKiB = 4096; // allocator, stdio and library start-up noise
constexpr std::size_t kHeadBytes = 388;
constexpr std::size_t kTailBytes = 11;
constexpr int kShownViolations = 20;

struct Tool {
    std::string name;
    std::vector<std::string> argv; // with {} and {out}
    long baselineKiB = 0;
};

struct Tally {
    int runs = 0;
    int succeeded = 0;
    long maxExtraKiB = 0;
    double maxRatio = 0; // extra peak memory per byte of the damaged file, files of 64 KiB and more
    double slowest = 0;
};

std::vector<std::string> Split(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

std::vector<std::string> Expand(const Tool& tool, const std::string& input, const std::string& output) {
    std::vector<std::string> argv;
    for (std::string arg : tool.argv) {
        for (auto [key, value] : {std::pair<std::string, std::string>{"{out}", output}, {"{}", input}}) {
            if (const std::size_t at = arg.find(key); at != std::string::npos) {
                arg.replace(at, key.size(), value);
            }
        }
        argv.push_back(arg);
    }
    return argv;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path, std::int64_t offset, std::size_t count) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(offset);
    std::vector<std::uint8_t> bytes(count);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

// Empty when the run behaved; otherwise what went wrong.
std::string Judge(const ToolRun& run, const Tool& tool, std::int64_t fileSize) {
    if (!run.started) {
        return "could not be started";
    }
    if (run.timedOut) {
        return "did not finish within " + std::to_string(kTimeoutSeconds) + " s";
    }
    if (run.signal != 0) {
        return "ended by signal " + std::to_string(run.signal) + " (" + strsignal(run.signal) + ")";
    }
    for (const char* report : {"AddressSanitizer", "LeakSanitizer", "runtime error:"}) {
        if (run.errorText.find(report) != std::string::npos) {
            return std::string("sanitizer report: ") + FirstLine(run.errorText);
        }
    }
    if (run.exitCode != 0 && run.errorText.find_first_not_of(" \t\r\n") == std::string::npos) {
        return "exit " + std::to_string(run.exitCode) + " without a message";
    }
    const long limit =
        tool.baselineKiB + kMemorySlackKiB + static_cast<long>(kMemoryFactor * fileSize / 1024);
    if (run.peakKiB > limit) {
        return "peak memory " + std::to_string(run.peakKiB) + " KiB, limit " + std::to_string(limit) + " KiB";
    }
    return {};
}

struct Sweep {
    std::filesystem::path work;
    std::vector<Tool> tools;
    bool full = false;
    int violations = 0;
    long totalRuns = 0;
};

bool SweepFile(Sweep* sweep, const std::string& name, const std::string& path,
               const std::vector<DamageCase>& extraCases) {
    const std::int64_t size = static_cast<std::int64_t>(std::filesystem::file_size(path));
    const std::vector<std::uint8_t> head = ReadBytes(path, 0, kHeadBytes);
    const std::vector<std::uint8_t> tail = size >= static_cast<std::int64_t>(kTailBytes)
                                               ? ReadBytes(path, size - kTailBytes, kTailBytes)
                                               : std::vector<std::uint8_t>();
    std::vector<DamageCase> cases = PrefixCases(head, tail, size, sweep->full);
    const std::vector<DamageCase> fields = FieldCases(head, tail, size, sweep->full);
    cases.insert(cases.end(), fields.begin(), fields.end());
    for (const DamageCase& damage : extraCases) {
        if (sweep->full || !damage.fullOnly) {
            cases.push_back(damage);
        }
    }

    // The copy keeps the file's extension: the tools tell the kinds apart by it.
    const std::string damaged =
        (sweep->work / ("damaged" + std::filesystem::path(path).extension().string())).string();
    const std::string output = (sweep->work / "out").string();
    const std::string errors = (sweep->work / "stderr.txt").string();
    std::vector<Tally> tallies(sweep->tools.size());
    for (const DamageCase& damage : cases) {
        if (!WriteDamagedCopy(path, damaged, damage)) {
            std::fprintf(stderr, "truncation_sweep: cannot write %s\n", damaged.c_str());
            return false;
        }
        for (std::size_t t = 0; t < sweep->tools.size(); ++t) {
            const Tool& tool = sweep->tools[t];
            const ToolRun run = RunTool(Expand(tool, damaged, output), errors, kTimeoutSeconds);
            std::filesystem::remove(output + ".png");
            Tally& tally = tallies[t];
            ++tally.runs;
            tally.succeeded += run.started && run.signal == 0 && run.exitCode == 0;
            const long extra = std::max(0L, run.peakKiB - tool.baselineKiB);
            tally.maxExtraKiB = std::max(tally.maxExtraKiB, extra);
            if (damage.length >= 64 * 1024) {
                tally.maxRatio =
                    std::max(tally.maxRatio, extra * 1024.0 / static_cast<double>(damage.length));
            }
            tally.slowest = std::max(tally.slowest, run.seconds);
            if (const std::string problem = Judge(run, tool, damage.length); !problem.empty()) {
                if (sweep->violations++ < kShownViolations) {
                    std::printf("VIOLATION %s, %s: %s %s\n", name.c_str(), damage.label.c_str(),
                                tool.name.c_str(), problem.c_str());
                }
            }
        }
    }
    for (std::size_t t = 0; t < sweep->tools.size(); ++t) {
        const Tally& tally = tallies[t];
        sweep->totalRuns += tally.runs;
        std::printf("%-26s %9lld bytes %-18s %6d runs, %6d succeeded, %6d refused; peak +%ld KiB",
                    name.c_str(), static_cast<long long>(size), sweep->tools[t].name.c_str(), tally.runs,
                    tally.succeeded, tally.runs - tally.succeeded, tally.maxExtraKiB);
        if (tally.maxRatio > 0) {
            std::printf(" (%.2f x file)", tally.maxRatio);
        }
        std::printf(", slowest %.0f ms\n", tally.slowest * 1e3);
    }
    std::fflush(stdout);
    return true;
}

int Usage() {
    std::fprintf(stderr, "usage: truncation_sweep [--full] [--files-only] --work DIR --tool \"PROGRAM "
                         "ARG...\"... [FILE...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (!StartToolLauncher()) {
        std::perror("truncation_sweep: cannot start the tool launcher");
        return 1;
    }
    Sweep sweep;
    std::vector<std::string> files;
    bool filesOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--full") == 0) {
            sweep.full = true;
        } else if (std::strcmp(argv[i], "--files-only") == 0) {
            filesOnly = true;
        } else if (std::strcmp(argv[i], "--work") == 0 && i + 1 < argc) {
            sweep.work = argv[++i];
        } else if (std::strcmp(argv[i], "--tool") == 0 && i + 1 < argc) {
            Tool tool;
            tool.argv = Split(argv[++i]);
            if (tool.argv.empty()) {
                return Usage();
            }
            tool.name = std::filesystem::path(tool.argv[0]).filename().string();
            sweep.tools.push_back(tool);
        } else if (argv[i][0] == '-') {
            return Usage();
        } else {
            files.push_back(argv[i]);
        }
    }
    if (sweep.work.empty() || sweep.tools.empty()) {
        return Usage();
    }
    std::filesystem::create_directories(sweep.work / "fixtures");

    // A tool's own peak on an empty file is what the damaged files' peaks are measured against.
    const std::string empty = (sweep.work / "empty").string();
    std::ofstream(empty, std::ios::binary).close();
    for (Tool& tool : sweep.tools) {
        for (int round = 0; round < 3; ++round) {
            const ToolRun run = RunTool(Expand(tool, empty, (sweep.work / "out").string()),
                                        (sweep.work / "stderr.txt").string(), kTimeoutSeconds);
            tool.baselineKiB = std::max(tool.baselineKiB, run.peakKiB);
        }
        std::printf("%s: baseline peak %ld KiB\n", tool.name.c_str(), tool.baselineKiB);
    }

    bool ok = true;
    for (const SweepFixture& fixture : SweepFixtures()) {
        if (filesOnly || (!sweep.full && !fixture.sampled)) {
            continue;
        }
        const std::string path = (sweep.work / "fixtures" / fixture.name).string();
        ok = ibwgen::WriteBytes(path, fixture.bytes) &&
             SweepFile(&sweep, fixture.name, path, fixture.extraCases) && ok;
    }
    for (const std::string& file : files) {
        ok = SweepFile(&sweep, std::filesystem::path(file).filename().string(), file, {}) && ok;
    }
    std::printf("%ld runs, %d violations\n", sweep.totalRuns, sweep.violations);
    return ok && sweep.violations == 0 ? 0 : 1;
}
