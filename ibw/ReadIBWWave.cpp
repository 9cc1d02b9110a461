#include "ibw/IBWRead.h"

int ReadIBWWave(std::FILE* file, int* type, std::int32_t* pointCount, IBWBuffer* data,
                WaveHeader5* waveHeader) {
    *type = 0;
    *pointCount = 0;
    data->reset();

    WaveHeader5 wave;
    BinHeader5 bin;
    int needSwap = 0;
    int err = ReadIBWHeaders(file, &wave, &bin, &needSwap);
    if (err != 0) {
        return err;
    }
    *type = wave.type;
    *pointCount = wave.npnts;
    std::int64_t bytesAvailable = std::int64_t{bin.wfmSize} - kIBWWaveHeaderSize;

    std::int64_t start = 0;
    err = IBWFileSetPosition(file, 0, kIBWFromStart);
    if (err == kIBWFileOK) {
        err = IBWFileGetPosition(file, &start);
    }
    if (err == kIBWFileOK) {
        err = IBWFileSetPosition(file, start + kIBWHeadersSize, kIBWFromStart);
    }
    if (err != kIBWFileOK) {
        return err;
    }

    if (wave.type == kIBWTypeText) {
        std::printf("This is a text wave.\n");
        return 0;
    }
    err = ReadIBWData(file, wave.type, wave.npnts, bytesAvailable, needSwap, data);
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
