// Runs a write in a forked child whose files may not grow past a limit, the way a full disk
// stops a writer: past the limit write() fails with EFBIG (SIGXFSZ is ignored in the child).
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <string>

namespace testsupport {

struct LimitedWrite {
    bool finished = false; // the child ran to its end
    bool result = false;   // what the write returned
    std::string error;     // the reason it gave
};

// `write(std::string& error)` returns the writer's result and fills its reason.
template <class Write> LimitedWrite WriteUnderFileSizeLimit(std::size_t limitBytes, Write write) {
    int channel[2];
    if (::pipe(channel) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(limitBytes), static_cast<rlim_t>(limitBytes)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        const bool result = write(error);
        const ssize_t sent = ::write(channel[1], error.data(), error.size());
        ::_exit(sent >= 0 && result ? 0 : 1);
    }
    ::close(channel[1]);
    LimitedWrite out;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
        out.error.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        out.finished = true;
        out.result = WEXITSTATUS(status) == 0;
    }
    return out;
}

} // namespace testsupport
