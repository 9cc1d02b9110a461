#include "tests/shellext_win/TestStability.h"

#include "tests/shellext_win/Check.h"
#include "tests/shellext_win/FixtureSet.h"
#include "tests/shellext_win/GdiObjectCount.h"
#include "tests/shellext_win/ShellCalls.h"

#include <psapi.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int kCalls = 2000;
constexpr int kThreads = 8;
constexpr int kThreadRounds = 40;

struct Held {
    int gdi = 0;
    DWORD handles = 0;
    std::size_t memory = 0; // committed private bytes
};

Held HeldNow() {
    Held held;
    held.gdi = GdiObjectCount();
    GetProcessHandleCount(GetCurrentProcess(), &held.handles);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    held.memory = counters.PagefileUsage;
    return held;
}

void CheckNoLeak(const TestContext& context, ShellCall call, const std::wstring& path) {
    for (int i = 0; i < 20; ++i) {
        MakeShellCall(context, call, path);
    }
    const Held before = HeldNow();
    bool answered = true;
    for (int i = 0; i < kCalls; ++i) {
        answered = !MakeShellCall(context, call, path).empty() && answered;
    }
    const Held after = HeldNow();
    const long long grown = static_cast<long long>(after.memory) - static_cast<long long>(before.memory);
    std::printf("measure: %d %s calls: %+d GDI objects, %+ld handles, %+lld KB\n", kCalls,
                ShellCallName(call), after.gdi - before.gdi,
                static_cast<long>(after.handles) - static_cast<long>(before.handles), grown / 1024);
    Check(answered && after.gdi - before.gdi <= 2 && after.handles <= before.handles + 2 &&
              grown < 1024 * 1024,
          std::to_string(kCalls) + " " + ShellCallName(call) + " calls leave nothing behind");
}

struct ThreadWork {
    const TestContext* context;
    std::wstring path;
    std::vector<std::string> expected; // one answer per call
    int mismatches = 0;
};

DWORD WINAPI AskFromThread(LPVOID parameter) {
    auto* work = static_cast<ThreadWork*>(parameter);
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        work->mismatches = -1;
        return 1;
    }
    for (int round = 0; round < kThreadRounds; ++round) {
        for (std::size_t i = 0; i < std::size(kEveryShellCall); ++i) {
            if (MakeShellCall(*work->context, kEveryShellCall[i], work->path) != work->expected[i]) {
                ++work->mismatches;
            }
        }
    }
    CoUninitialize();
    return 0;
}

void CheckThreads(const TestContext& context, const std::wstring& path) {
    std::vector<std::string> expected;
    for (ShellCall call : kEveryShellCall) {
        expected.push_back(MakeShellCall(context, call, path));
    }
    std::vector<ThreadWork> work(kThreads, ThreadWork{&context, path, expected, 0});
    std::vector<HANDLE> threads;
    for (ThreadWork& w : work) {
        if (HANDLE thread = CreateThread(nullptr, 0, AskFromThread, &w, 0, nullptr)) {
            threads.push_back(thread);
        }
    }
    const bool finished =
        threads.size() == kThreads && WaitForMultipleObjects(static_cast<DWORD>(threads.size()),
                                                             threads.data(), TRUE, 120000) == WAIT_OBJECT_0;
    int mismatches = 0;
    for (HANDLE thread : threads) {
        CloseHandle(thread);
    }
    for (const ThreadWork& w : work) {
        mismatches += w.mismatches;
    }
    Check(finished && mismatches == 0, std::to_string(kThreads) +
                                           " threads asking at once get one thread's answers (" +
                                           std::to_string(mismatches) + " differ)");
}

} // namespace

void TestStability(const TestContext& context) {
    const std::wstring path = context.Fixture(fixtures::kImage);
    for (ShellCall call : kEveryShellCall) {
        CheckNoLeak(context, call, path);
    }
    CheckThreads(context, path);
}
