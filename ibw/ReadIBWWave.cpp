#include "ibw/IBWRead.h"

int ReadIBWWave(IBWStream& file, int* type, std::int32_t* pointCount, IBWBuffer* data,
                WaveHeader5* waveHeader, IBWProblem* problem) {
    *type = 0;
    *pointCount = 0;
    data->reset();

    WaveHeader5 wave;
    BinHeader5 bin;
    int needSwap = 0;
    int err = ReadIBWHeaders(file, &wave, &bin, &needSwap, problem);
    if (err != 0) {
        return err;
    }
    *type = wave.type;
    *pointCount = wave.npnts;
    std::int64_t bytesAvailable = std::int64_t{bin.wfmSize} - kIBWWaveHeaderSize;

    std::int64_t start = 0;
    err = file.SetPosition(0, kIBWFromStart);
    if (err == kIBWFileOK) {
        err = file.GetPosition(&start);
    }
    if (err == kIBWFileOK) {
        err = file.SetPosition(start + kIBWHeadersSize, kIBWFromStart);
    }
    if (err != kIBWFileOK) {
        return ReportProblem(problem, IBWProblem::unreadable, err);
    }

    if (wave.type == kIBWTypeText) {
        std::printf("This is a text wave.\n");
        return 0;
    }
    err = ReadIBWData(file, wave.type, wave.npnts, bytesAvailable, needSwap, data, problem);
    if (err != 0) {
        *type = 0;
        *pointCount = 0;
        return err;
    }
    if (waveHeader != nullptr) {
        *waveHeader = wave;
    }
    return 0;
}
