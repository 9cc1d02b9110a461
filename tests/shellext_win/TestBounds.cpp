#include "tests/shellext_win/TestBounds.h"

#include "tests/shellext_win/Check.h"
#include "tests/shellext_win/FixtureSet.h"
#include "tests/shellext_win/ShellCalls.h"

#include <psapi.h>
#include <shlobj.h>

#include <cstdio>
#include <vector>

namespace {

constexpr DWORD kBoundKb = 16 * 1024;
constexpr DWORD kChildFailed = 0xFFFFFFFF;

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters;
}

// This program again, in measuring mode; the exit code, or kChildFailed when it does not run.
DWORD RunChild(const TestContext& context, const std::wstring& file) {
    std::vector<wchar_t> self(MAX_PATH * 4);
    GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
    auto quoted = [](const std::wstring& text) { return L'"' + text + L'"'; };
    std::wstring command = quoted(self.data()) + L" --measure " + quoted(context.dllPath) + L" " +
                           quoted(file) + L" " + quoted(context.Fixture(fixtures::kImage));
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return kChildFailed;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = kChildFailed;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

} // namespace

int MeasureChild(const TestContext& context, const std::wstring& file, const std::wstring& warmUp) {
    // Twice on a sound file first: the code, the heaps and the system's caches are in place.
    for (int round = 0; round < 2; ++round) {
        for (ShellCall call : kEveryShellCall) {
            MakeShellCall(context, call, warmUp);
        }
    }
    // From the working set before the calls to the peak after them: whatever the calls held at once,
    // and never less.
    const std::size_t before = Memory().WorkingSetSize;
    for (ShellCall call : kEveryShellCall) {
        if (MakeShellCall(context, call, file).empty()) {
            return static_cast<int>(kChildFailed);
        }
    }
    const std::size_t after = Memory().PeakWorkingSetSize;
    return static_cast<int>((after > before ? after - before : 0) / 1024);
}

void TestBounds(const TestContext& context) {
    const struct {
        const char* name;
        const char* what;
    } files[] = {
        {fixtures::kManyChannels, "a 1 MB footer declaring 999,000 channels, as many named as fit"},
        {fixtures::kDenseEntries, "a 1 MB footer declaring 999,000 channels among tiny entries"},
        {fixtures::kManyCurves, "a 1 MB force footer of as many curves as start keys fit"},
        {fixtures::kLargePreview, "a 36 MB file with a 6000 x 6000 preview"},
        {fixtures::kLongNote, "a 16 MB note"},
    };
    for (const auto& file : files) {
        const DWORD grown = RunChild(context, context.Fixture(file.name));
        std::printf("measure: every shell call on %s grows the peak working set by %.1f MB\n", file.what,
                    grown == kChildFailed ? -1.0 : grown / 1024.0);
        Check(grown != kChildFailed && grown < kBoundKb,
              std::string("every shell call on ") + file.what + " costs under 16 MB");
    }

    // Measured, not asserted: the machine's load decides the figure; bench_shellext holds the goal.
    ComPtr<IExtractIconA> icon =
        LoadedExtractor<IExtractIconA>(context, context.Fixture(fixtures::kManyImages));
    HICON large = nullptr;
    HICON small = nullptr;
    LARGE_INTEGER start{};
    LARGE_INTEGER end{};
    QueryPerformanceCounter(&start);
    const HRESULT result = icon ? icon->Extract("", 0, &large, &small, MAKELONG(48, 16)) : E_FAIL;
    QueryPerformanceCounter(&end);
    std::printf("measure: icons of a .qvdf of 65,536 images in %.1f ms (goal: within 200 ms)\n",
                Milliseconds(start, end));
    Check(result == S_OK && large && small, "a .qvdf of 65,536 images gets its first image's icons");
    DestroyIcon(large);
    DestroyIcon(small);
}
