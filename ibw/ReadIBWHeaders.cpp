#include "ibw/IBWFieldRuns.h"
#include "ibw/IBWRead.h"

#include <cstddef>
#include <cstring>

namespace {

// Texts, padding bytes and the use/kind bits keep their order.
constexpr FieldRun kBinHeaderRuns[] = {
    {offsetof(BinHeader5, version), 2, 2},  // version, checksum
    {offsetof(BinHeader5, wfmSize), 4, 15}, // every size
};

constexpr FieldRun kWaveHeaderRuns[] = {
    {offsetof(WaveHeader5, next), 4, 4}, // next, creationDate, modDate, npnts
    {offsetof(WaveHeader5, type), 2, 2}, // type, dLock
    {offsetof(WaveHeader5, whVersion), 2, 1},    {offsetof(WaveHeader5, whpad2), 4, 2}, // whpad2, dFolder
    {offsetof(WaveHeader5, nDim), 4, 4},         {offsetof(WaveHeader5, sfA), 8, 4},
    {offsetof(WaveHeader5, sfB), 8, 4},          {offsetof(WaveHeader5, fsValid), 2, 2}, // fsValid, whpad3
    {offsetof(WaveHeader5, topFullScale), 8, 2}, {offsetof(WaveHeader5, dataEUnits), 4, 1},
    {offsetof(WaveHeader5, dimEUnits), 4, 4},    {offsetof(WaveHeader5, dimLabels), 4, 4},
    {offsetof(WaveHeader5, waveNoteH), 4, 1},    {offsetof(WaveHeader5, whUnused), 4, 16},
    {offsetof(WaveHeader5, aModified), 2, 3}, // aModified, wModified, swModified
    {offsetof(WaveHeader5, formula), 4, 2},   // formula, depID
    {offsetof(WaveHeader5, whpad4), 2, 2},    // whpad4, srcFldr
    {offsetof(WaveHeader5, fileName), 4, 2},  // fileName, sIndices
};

} // namespace

int ReadIBWHeaders(IBWStream& file, WaveHeader5* waveHeader, BinHeader5* binHeader, int* needSwapOut,
                   IBWProblem* problem) {
    std::int64_t start = 0;
    std::int16_t version = 0;
    int needSwap = 0;
    int err = ReadIBWVersion(file, &start, &version, &needSwap, problem);
    if (err != 0) {
        return err;
    }
    if (version < 5) {
        std::printf(
            "This does not appear to be a valid Igor binary wave file or its older than what we want to "
            "support. The version field = %d.\n",
            version);
        return ReportProblem(problem, IBWProblem::notAWave, -1);
    }

    err = file.SetPosition(start, kIBWFromStart);
    if (err != kIBWFileOK) {
        return ReportProblem(problem, IBWProblem::unreadable, err);
    }
    unsigned char headers[kIBWHeadersSize + 4] = {};
    std::size_t got = 0;
    err = file.Read(sizeof headers, headers, &got);
    if (err != kIBWFileOK) {
        std::printf("Error %d occurred while reading the file headers.\n", err);
        return ReportProblem(problem, IBWProblem::unreadable, err);
    }
    // Header bytes past the end of the file would be invented: such a file holds no wave.
    if (got < static_cast<std::size_t>(kIBWHeadersSize)) {
        std::printf("The file is too short to hold the wave headers (%lld bytes).\n",
                    static_cast<long long>(got));
        return ReportProblem(problem, IBWProblem::notAWave, -1);
    }
    std::uint16_t sum = IBWChecksum(headers, kIBWHeadersSize, needSwap, 0);
    if (sum != 0) {
        std::printf("Error in checksum - should be 0, is %d.\n", static_cast<std::int16_t>(sum));
        std::printf("This does not appear to be a valid Igor binary wave file.\n");
        return ReportProblem(problem, IBWProblem::checksum, -1);
    }

    if (needSwap != 0) {
        SwapRuns(headers, kBinHeaderRuns);
        SwapRuns(headers + kIBWBinHeaderSize, kWaveHeaderRuns);
    }
    BinHeader5 bin;
    WaveHeader5 wave;
    std::memcpy(&bin, headers, sizeof bin);
    std::memcpy(&wave, headers + kIBWBinHeaderSize, sizeof wave);
    if (binHeader != nullptr) {
        *binHeader = bin;
    }
    if (waveHeader != nullptr) {
        *waveHeader = wave;
    }
    if (needSwapOut != nullptr) {
        *needSwapOut = needSwap;
    }
    return 0;
}
