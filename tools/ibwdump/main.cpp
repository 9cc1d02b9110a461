// ibwdump FILE: describes a wave file as one JSON document on standard output. The reader's
// diagnostic lines go to standard error, so the output stays one parseable document.
#include "tools/ibwdump/DumpWave.h"

#include <cstdio>
#ifdef _WIN32
#include <io.h>
#define dup _dup
#define dup2 _dup2
#define fileno _fileno
#else
#include <unistd.h>
#endif

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ibwdump FILE\n");
        return 2;
    }
    std::fflush(stdout);
    int savedOut = dup(fileno(stdout));
    dup2(fileno(stderr), fileno(stdout));
    std::string json;
    int result = DumpWave(argv[1], &json);
    std::fflush(stdout);
    dup2(savedOut, fileno(stdout));
    if (result != 0) {
        std::fprintf(stderr, "ibwdump: %s: refused (%d)\n", argv[1], result);
        return 1;
    }
    std::fputs(json.c_str(), stdout);
    return 0;
}
