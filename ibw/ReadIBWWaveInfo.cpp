#include "ibw/IBWFieldRuns.h"
#include "ibw/IBWSections.h"
#include "ibw/IBWWaveInfo.h"

#include <algorithm>
#include <cstring>

namespace {

// Units longer than this are not units: the rest of such a section is not read.
constexpr std::int32_t kMaxUnitChars = 64;

template <std::size_t N> std::string FixedText(const char (&text)[N]) {
    return std::string(text, strnlen(text, N));
}

constexpr FieldRun kBinHeader1Runs[] = {{offsetof(BinHeader1, version), 2, 1},
                                        {offsetof(BinHeader1, wfmSize), 4, 1},
                                        {offsetof(BinHeader1, checksum), 2, 1}};
constexpr FieldRun kBinHeader2Runs[] = {{offsetof(BinHeader2, version), 2, 1},
                                        {offsetof(BinHeader2, wfmSize), 4, 3}, // wfmSize, noteSize, pictSize
                                        {offsetof(BinHeader2, checksum), 2, 1}};
constexpr FieldRun kBinHeader3Runs[] = {{offsetof(BinHeader3, version), 2, 1},
                                        {offsetof(BinHeader3, wfmSize), 4, 4}, // wfmSize to pictSize
                                        {offsetof(BinHeader3, checksum), 2, 1}};
constexpr FieldRun kWaveHeader2Runs[] = {
    {offsetof(WaveHeader2, type), 2, 1},
    {offsetof(WaveHeader2, next), 4, 1},
    {offsetof(WaveHeader2, whVersion), 2, 2},
    {offsetof(WaveHeader2, fileName), 4, 1}, // whVersion, srcFldr
    {offsetof(WaveHeader2, npnts), 4, 1},
    {offsetof(WaveHeader2, aModified), 2, 1},
    {offsetof(WaveHeader2, hsA), 8, 2},
    {offsetof(WaveHeader2, wModified), 2, 3}, // to fsValid
    {offsetof(WaveHeader2, topFullScale), 8, 2},
    {offsetof(WaveHeader2, formula), 4, 2}, // formula, depID
    {offsetof(WaveHeader2, creationDate), 4, 1},
    {offsetof(WaveHeader2, modDate), 4, 2}, // modDate, waveNoteH
};

int BinHeaderSize(int version) {
    return version == 1 ? sizeof(BinHeader1) : version == 2 ? sizeof(BinHeader2) : sizeof(BinHeader3);
}

// Versions 1-3: the binary header of the version, the one wave header and the 16 bytes after it,
// which the checksum covers.
int ReadOldHeaders(IBWStream& file, std::int64_t start, IBWWaveInfo* info, IBWProblem* problem) {
    const int binSize = BinHeaderSize(info->version);
    const int checked = binSize + kIBWWaveHeader2Size + kIBWOldPadding;
    unsigned char headers[sizeof(BinHeader3) + kIBWWaveHeader2Size + kIBWOldPadding] = {};
    std::size_t got = 0;
    int err = file.SetPosition(start, kIBWFromStart);
    if (err != kIBWFileOK) {
        return ReportProblem(problem, IBWProblem::unreadable, err);
    }
    err = file.Read(static_cast<std::size_t>(checked), headers, &got);
    if (err != kIBWFileOK) {
        std::printf("Error %d occurred while reading the file headers.\n", err);
        return ReportProblem(problem, IBWProblem::unreadable, err);
    }
    if (got < static_cast<std::size_t>(checked)) {
        std::printf("The file is too short to hold the wave headers (%lld bytes).\n",
                    static_cast<long long>(got));
        return ReportProblem(problem, IBWProblem::notAWave, -1);
    }
    const std::uint16_t sum = IBWChecksum(headers, checked, info->needSwap, 0);
    if (sum != 0) {
        std::printf("Error in checksum - should be 0, is %d.\n", static_cast<std::int16_t>(sum));
        std::printf("This does not appear to be a valid Igor binary wave file.\n");
        return ReportProblem(problem, IBWProblem::checksum, -1);
    }
    if (info->needSwap != 0) {
        info->version == 1   ? SwapRuns(headers, kBinHeader1Runs)
        : info->version == 2 ? SwapRuns(headers, kBinHeader2Runs)
                             : SwapRuns(headers, kBinHeader3Runs);
        SwapRuns(headers + binSize, kWaveHeader2Runs);
    }
    std::int32_t wfmSize = 0;
    std::memcpy(&wfmSize, headers + offsetof(BinHeader1, wfmSize), sizeof wfmSize); // same place in all three
    WaveHeader2 wave;
    std::memcpy(&wave, headers + binSize, sizeof wave);

    info->type = wave.type;
    info->points = wave.npnts;
    info->dims = {wave.npnts, 0, 0, 0};
    info->spacing = {wave.hsA, 1, 1, 1};
    info->start = {wave.hsB, 0, 0, 0};
    info->name = FixedText(wave.bname);
    info->dataUnits = FixedText(wave.dataUnits);
    info->dimUnits = {FixedText(wave.xUnits), "", "", ""};
    info->dataStart = start + binSize + kIBWWaveHeader2Size;
    info->dataRoom = std::int64_t{wfmSize} - kIBWWaveHeader2Size - kIBWOldPadding;
    return 0;
}

// The extended units of a section, when it lies inside the file; empty otherwise.
std::string ExtendedUnits(IBWStream& file, std::int64_t fileSize, std::int64_t at, std::int32_t size) {
    if (size <= 0 || !IBWFits(fileSize, at, size) || file.SetPosition(at, kIBWFromStart) != kIBWFileOK) {
        return {};
    }
    char text[kMaxUnitChars] = {};
    std::size_t got = 0;
    file.Read(static_cast<std::size_t>(std::min(size, kMaxUnitChars)), text, &got);
    return std::string(text, strnlen(text, got));
}

void ReadExtendedUnits(IBWStream& file, IBWWaveInfo* info) {
    const BinHeader5& bin = info->bin5;
    std::int64_t at = 0;
    if (!IBWNoteStart(bin, info->fileSize, &at) || !IBWFits(info->fileSize, at, bin.noteSize)) {
        return;
    }
    at += bin.noteSize;
    if (std::string units = ExtendedUnits(file, info->fileSize, at, bin.dataEUnitsSize); !units.empty()) {
        info->dataUnits = units;
    }
    at += std::max(bin.dataEUnitsSize, 0);
    for (int d = 0; d < 4; ++d) {
        if (std::string units = ExtendedUnits(file, info->fileSize, at, bin.dimEUnitsSize[d]);
            !units.empty()) {
            info->dimUnits[d] = units;
        }
        at += std::max(bin.dimEUnitsSize[d], 0);
    }
}

} // namespace

int ReadIBWWaveInfo(IBWStream& file, IBWWaveInfo* info, IBWProblem* problem) {
    IBWWaveInfo result;
    std::int64_t start = 0;
    int err = ReadIBWVersion(file, &start, &result.version, &result.needSwap, problem);
    if (err == 0) {
        err = file.EndPosition(&result.fileSize);
        if (err != kIBWFileOK) {
            return ReportProblem(problem, IBWProblem::unreadable, err);
        }
    }
    if (err == 0 && result.version >= 1 && result.version <= 3) {
        err = ReadOldHeaders(file, start, &result, problem);
    } else if (err == 0) {
        err = ReadIBWHeaders(file, &result.header5, &result.bin5, &result.needSwap, problem);
        if (err == 0) {
            const WaveHeader5& h = result.header5;
            result.type = h.type;
            result.points = h.npnts;
            for (int d = 0; d < 4; ++d) {
                result.dims[d] = h.nDim[d];
                result.spacing[d] = h.sfA[d];
                result.start[d] = h.sfB[d];
                result.dimUnits[d] = FixedText(h.dimUnits[d]);
            }
            result.name = FixedText(h.bname);
            result.dataUnits = FixedText(h.dataUnits);
            result.dataStart = start + kIBWHeadersSize;
            result.dataRoom = std::int64_t{result.bin5.wfmSize} - kIBWWaveHeaderSize;
            ReadExtendedUnits(file, &result);
        }
    }
    if (err != 0) {
        return err;
    }
    *info = std::move(result);
    return 0;
}
