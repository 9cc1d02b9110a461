// The reader routines on an open std::FILE*: each reads through a stream over the file.
#include "ibw/IBWRead.h"

int ReadIBWHeaders(std::FILE* file, WaveHeader5* waveHeader, BinHeader5* binHeader, int* needSwap) {
    IBWStream stream(file);
    return ReadIBWHeaders(stream, waveHeader, binHeader, needSwap);
}

int ReadIBWData(std::FILE* file, int type, std::int32_t pointCount, std::int64_t bytesAvailable, int needSwap,
                IBWBuffer* data) {
    IBWStream stream(file);
    return ReadIBWData(stream, type, pointCount, bytesAvailable, needSwap, data);
}

int ReadIBWWave(std::FILE* file, int* type, std::int32_t* pointCount, IBWBuffer* data,
                WaveHeader5* waveHeader) {
    IBWStream stream(file);
    return ReadIBWWave(stream, type, pointCount, data, waveHeader);
}

int ReadIBWNoteText(std::FILE* file, std::vector<char>* note, std::int32_t* byteCount) {
    IBWStream stream(file);
    return ReadIBWNoteText(stream, note, byteCount);
}

int ReadIBWDimLabels(std::FILE* file, IBWDimLabels* labels) {
    IBWStream stream(file);
    return ReadIBWDimLabels(stream, labels);
}

int ReadIBWTrailerKind(std::FILE* file) {
    IBWStream stream(file);
    return ReadIBWTrailerKind(stream);
}
