// RunTool: runs one command-line tool on a damaged file as its own process, bounded in time, and
// reports how it ended, what it wrote to standard error and its peak resident memory.
//
// The tools are started by a small launcher process forked once, before the sweep grows: Linux
// counts the memory a forked child shares with its parent in the peak it reports for the child,
// so forking from the sweep itself would charge the tools for the sweep's own (and, under
// AddressSanitizer, its quarantine's) growth.
#pragma once

#include <string>
#include <vector>

struct ToolRun {
    bool started = false;  // the process could be created
    bool timedOut = false; // killed for running past the time bound
    int signal = 0;        // the signal that ended it, 0 when it exited
    int exitCode = 0;      // its exit status when it exited
    long peakKiB = 0;      // peak resident memory (wait4's ru_maxrss)
    double seconds = 0;    // wall-clock time
    std::string errorText; // the start of what it wrote to standard error
};

// Forks the launcher; call it first thing, while the process is small. False when it cannot.
bool StartToolLauncher();

// argv[0] is the program's path; standard output is discarded, standard error goes to errorPath.
ToolRun RunTool(const std::vector<std::string>& argv, const std::string& errorPath, int timeoutSeconds);
