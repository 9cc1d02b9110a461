// qvibw-info FILE: prints what the Windows shell shows for an .ibw or .qvdf file (channels,
// detail-view columns, info tip, note items) as UTF-8. Exit 0, or 1 when the file cannot be read
// as its kind.
#include "shellext/linux/InfoReport.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: qvibw-info FILE\n");
        return 2;
    }
    std::string report;
    if (!InfoReport(argv[1], &report)) {
        std::fprintf(stderr, "qvibw-info: %s: %s", argv[1], report.c_str());
        return 1;
    }
    std::fputs(report.c_str(), stdout);
    return 0;
}
