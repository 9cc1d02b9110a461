#include "tests/sweep/RunTool.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::streamsize kErrorTextBytes = 4096;

std::string ReadStart(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(kErrorTextBytes), '\0');
    in.read(text.data(), kErrorTextBytes);
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

} // namespace

ToolRun RunTool(const std::vector<std::string>& argv, const std::string& errorPath, int timeoutSeconds) {
    ToolRun run;
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        return run;
    }
    if (pid == 0) {
        // Only async-signal-safe calls between fork and exec. A pending alarm survives exec, so a
        // tool that hangs is ended by SIGALRM; the CPU limit catches one that ignores it.
        const int devNull = open("/dev/null", O_RDWR);
        const int errors = open(errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (devNull < 0 || errors < 0) {
            _exit(127);
        }
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(errors, STDERR_FILENO);
        const rlimit cpu{static_cast<rlim_t>(timeoutSeconds), static_cast<rlim_t>(timeoutSeconds) + 1};
        setrlimit(RLIMIT_CPU, &cpu);
        alarm(static_cast<unsigned>(timeoutSeconds));
        execv(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        return run;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.started = !(WIFEXITED(status) && WEXITSTATUS(status) == 127);
    run.peakKiB = usage.ru_maxrss;
    if (WIFSIGNALED(status)) {
        run.signal = WTERMSIG(status);
        run.timedOut = run.signal == SIGALRM || run.signal == SIGXCPU;
    } else {
        run.exitCode = WEXITSTATUS(status);
    }
    run.errorText = ReadStart(errorPath);
    return run;
}
