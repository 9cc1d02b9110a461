// ibwdump FILE: describes a wave file as one JSON document on standard output. The reader's
// diagnostic lines go to standard error, so the output stays one parseable document.
#include "tools/ibwdump/DumpWave.h"

#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include <io.h>
#define dup _dup
#define dup2 _dup2
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

constexpr char kHelp[] = "usage: ibwdump FILE\n"
                         "Describes an Igor binary wave file as one JSON document on standard output:\n"
                         "its headers, channels with statistics, note, labels and preview footer.\n"
                         "Exit status: 0, 1 when the file is refused (the reason on standard error),\n"
                         "2 for a wrong command line.\n"
                         "\n"
                         "Options:\n"
                         "  -h, --help  Show this help.\n";

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
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
