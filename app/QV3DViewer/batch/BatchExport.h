// The batch mode: --help, --version, a wrong command line, or the exports of one wave file with
// no window shown. Returns the process's exit status.
#pragma once

struct BatchOptions;

int RunBatch(int& argc, char** argv, const BatchOptions& options);
