// qvibw-info FILE: prints what the Windows shell shows for an .ibw or .qvdf file (channels,
// detail-view columns, info tip, note items, and why the viewer cannot show a wave) as UTF-8.
// Exit 0, or 1 when the file cannot be read as its kind.
#include "shellext/linux/InfoReport.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

constexpr char kHelp[] = "usage: qvibw-info FILE\n"
                         "Prints what the Windows shell shows for an .ibw or .qvdf file, as UTF-8: the\n"
                         "channels, the five detail columns, the info tip and the note items.\n"
                         "Exit status: 0, 1 when the file cannot be read as its kind, 2 for a wrong\n"
                         "command line.\n"
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
        std::fprintf(stderr, "usage: qvibw-info FILE\n");
        return 2;
    }
    // The wave reader writes its diagnostics to standard output; they go to standard error here so
    // that the report stays clean for scripts.
    std::fflush(stdout);
    const int reportOut = dup(STDOUT_FILENO);
    if (reportOut >= 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);
    }
    std::string report;
    const bool ok = InfoReport(argv[1], &report);
    std::fflush(stdout);
    if (reportOut >= 0) {
        dup2(reportOut, STDOUT_FILENO);
        close(reportOut);
    }
    if (!ok) {
        std::fprintf(stderr, "qvibw-info: %s: %s", argv[1], report.c_str());
        return 1;
    }
    std::fputs(report.c_str(), stdout);
    return 0;
}
