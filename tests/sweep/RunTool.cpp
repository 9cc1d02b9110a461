#include "tests/sweep/RunTool.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::streamsize kErrorTextBytes = 4096;
constexpr std::size_t kRequestBytes = 1 << 16;
constexpr std::size_t kMostArguments = 255;

struct Reply {
    int forked = 0;
    int status = 0;
    long peakKiB = 0;
    double seconds = 0;
};

int toLauncher = -1;
int fromLauncher = -1;

bool ReadFully(int descriptor, void* data, std::size_t size) {
    auto* at = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t got = read(descriptor, at, size);
        if (got <= 0)
            return false;
        at += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

bool WriteFully(int descriptor, const void* data, std::size_t size) {
    const auto* at = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t put = write(descriptor, at, size);
        if (put <= 0)
            return false;
        at += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

// In the launcher: one tool run, its standard error into errorPath.
Reply Launch(char* const* args, const char* errorPath, int timeoutSeconds) {
    Reply reply;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return reply;
    if (pid == 0) {
        // Only async-signal-safe calls between fork and exec. A pending alarm survives exec, so a
        // tool that hangs is ended by SIGALRM; the CPU limit catches one that ignores it.
        const int devNull = open("/dev/null", O_RDWR);
        const int errors = open(errorPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (devNull < 0 || errors < 0)
            _exit(127);
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(errors, STDERR_FILENO);
        const rlimit cpu{static_cast<rlim_t>(timeoutSeconds), static_cast<rlim_t>(timeoutSeconds) + 1};
        setrlimit(RLIMIT_CPU, &cpu);
        alarm(static_cast<unsigned>(timeoutSeconds));
        execv(args[0], args);
        _exit(127);
    }
    rusage usage{};
    if (wait4(pid, &reply.status, 0, &usage) != pid)
        return reply;
    reply.forked = 1;
    reply.peakKiB = usage.ru_maxrss;
    reply.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return reply;
}

// The launcher's loop. A request is its size, the time bound, the error path and the arguments,
// each ending in a zero byte. Only fixed buffers, so the launcher stays the size it started at.
[[noreturn]] void Serve(int requests, int replies) {
    static char request[kRequestBytes];
    static char* args[kMostArguments + 1];
    for (;;) {
        std::uint32_t size = 0;
        int timeoutSeconds = 0;
        if (!ReadFully(requests, &size, sizeof size) || size > kRequestBytes ||
            !ReadFully(requests, &timeoutSeconds, sizeof timeoutSeconds) ||
            !ReadFully(requests, request, size))
            _exit(0);
        const char* errorPath = request;
        std::size_t count = 0;
        for (char* at = request + std::strlen(request) + 1; at < request + size && count < kMostArguments;
             at += std::strlen(at) + 1)
            args[count++] = at;
        args[count] = nullptr;
        const Reply reply = count > 0 ? Launch(args, errorPath, timeoutSeconds) : Reply{};
        if (!WriteFully(replies, &reply, sizeof reply))
            _exit(0);
    }
}

std::string ReadStart(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(kErrorTextBytes), '\0');
    in.read(text.data(), kErrorTextBytes);
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

} // namespace

bool StartToolLauncher() {
    int requests[2];
    int replies[2];
    // Close-on-exec: the tools the launcher starts inherit neither end.
    if (pipe2(requests, O_CLOEXEC) != 0 || pipe2(replies, O_CLOEXEC) != 0)
        return false;
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        close(requests[1]);
        close(replies[0]);
        Serve(requests[0], replies[1]);
    }
    close(requests[0]);
    close(replies[1]);
    toLauncher = requests[1];
    fromLauncher = replies[0];
    return true;
}

ToolRun RunTool(const std::vector<std::string>& argv, const std::string& errorPath, int timeoutSeconds) {
    ToolRun run;
    std::string request = errorPath + '\0';
    for (const std::string& arg : argv)
        request += arg + '\0';
    const auto size = static_cast<std::uint32_t>(request.size());
    Reply reply;
    if (size > kRequestBytes || !WriteFully(toLauncher, &size, sizeof size) ||
        !WriteFully(toLauncher, &timeoutSeconds, sizeof timeoutSeconds) ||
        !WriteFully(toLauncher, request.data(), request.size()) ||
        !ReadFully(fromLauncher, &reply, sizeof reply) || reply.forked == 0)
        return run;
    const int status = reply.status;
    run.seconds = reply.seconds;
    run.started = !(WIFEXITED(status) && WEXITSTATUS(status) == 127);
    run.peakKiB = reply.peakKiB;
    if (WIFSIGNALED(status)) {
        run.signal = WTERMSIG(status);
        run.timedOut = run.signal == SIGALRM || run.signal == SIGXCPU;
    } else {
        run.exitCode = WEXITSTATUS(status);
    }
    run.errorText = ReadStart(errorPath);
    return run;
}
