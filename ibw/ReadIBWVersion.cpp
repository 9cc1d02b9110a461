#include "ibw/IBWRead.h"

#include <bit>
#include <cstring>

int ReadIBWVersion(IBWStream& file, std::int64_t* start, std::int16_t* version, int* needSwap,
                   IBWProblem* problem) {
    int err = file.SetPosition(0, kIBWFromStart);
    if (err == kIBWFileOK) {
        err = file.GetPosition(start);
    }
    if (err != kIBWFileOK) {
        return ReportProblem(problem, IBWProblem::unreadable, err);
    }
    unsigned char versionBytes[2] = {0, 0};
    err = file.Read(sizeof versionBytes, versionBytes, nullptr);
    if (err != kIBWFileOK) {
        std::printf("Error %d occurred while reading the file version.\n", err);
        return ReportProblem(problem, err == kIBWFileEOFError ? IBWProblem::empty : IBWProblem::unreadable,
                             err);
    }
    // Versions are small numbers: a file of version 5 starts 05 00 when written little-endian and
    // 00 05 when big-endian, and so on for every version.
    const bool fileBigEndian = versionBytes[0] == 0;
    *needSwap = fileBigEndian != (std::endian::native == std::endian::big) ? 1 : 0;
    if (*needSwap != 0) {
        SwapUnitBytes(versionBytes, 2, 1);
    }
    std::memcpy(version, versionBytes, sizeof *version);
    return 0;
}
