#include "tests/shellext_win/Check.h"

#include <cstdio>

namespace {

int g_failures = 0;

} // namespace

void Check(bool ok, const std::string& what) {
    if (!ok) {
        ++g_failures;
    }
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
}

int FailureCount() {
    return g_failures;
}
