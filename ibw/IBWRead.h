// The low-level wave reader: plain routines on an open file or stream, returning 0, a file-layer
// code (10000-10005) or -1, with one diagnostic line on standard output per problem. The stream
// forms serve files and bytes in memory alike and can say what the problem was; the std::FILE*
// forms wrap the file in a stream.
#pragma once

#include "ibw/IBWFileIO.h"
#include "ibw/IBWHeaders.h"
#include "ibw/IBWProblem.h"
#include "ibw/IBWStream.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

struct IBWFreeDeleter {
    // The one place that gives the malloc'ed data back: its owner is the unique_ptr below.
    void operator()(void* p) const { std::free(p); } // NOLINT(cppcoreguidelines-owning-memory)
};
// Wave data as read: malloc'ed so that large waves are not zero-filled before the read.
using IBWBuffer = std::unique_ptr<unsigned char, IBWFreeDeleter>;

// Bytes of one element of the type (complex doubles it); 0 for an invalid base type.
int IBWElementSize(int type);

// The version field and the byte order it shows, whatever the version; start is where the file
// begins.
int ReadIBWVersion(IBWStream& file, std::int64_t* start, std::int16_t* version, int* needSwap,
                   IBWProblem* problem = nullptr);
int ReadIBWHeaders(IBWStream& file, WaveHeader5* waveHeader, BinHeader5* binHeader, int* needSwap,
                   IBWProblem* problem = nullptr);
int ReadIBWData(IBWStream& file, int type, std::int32_t pointCount, std::int64_t bytesAvailable, int needSwap,
                IBWBuffer* data, IBWProblem* problem = nullptr);
int ReadIBWWave(IBWStream& file, int* type, std::int32_t* pointCount, IBWBuffer* data,
                WaveHeader5* waveHeader, IBWProblem* problem = nullptr);
// With note null, reports in byteCount the size a buffer needs (note size + 2).
int ReadIBWNoteText(IBWStream& file, std::vector<char>* note, std::int32_t* byteCount);
// Returns 1 when labels is null.
int ReadIBWDimLabels(IBWStream& file, IBWDimLabels* labels);
int ReadIBWTrailerKind(IBWStream& file);

int ReadIBWHeaders(std::FILE* file, WaveHeader5* waveHeader, BinHeader5* binHeader, int* needSwap);
int ReadIBWData(std::FILE* file, int type, std::int32_t pointCount, std::int64_t bytesAvailable, int needSwap,
                IBWBuffer* data);
int ReadIBWWave(std::FILE* file, int* type, std::int32_t* pointCount, IBWBuffer* data,
                WaveHeader5* waveHeader);
int ReadIBWNoteText(std::FILE* file, std::vector<char>* note, std::int32_t* byteCount);
int ReadIBWDimLabels(std::FILE* file, IBWDimLabels* labels);
int ReadIBWTrailerKind(std::FILE* file);

std::uint16_t IBWChecksum(const void* bytes, std::int64_t byteCount, int needSwap, int start);
void SwapUnitBytes(void* buffer, int unitSize, std::int64_t unitCount);
// Copies unitCount units from one buffer to another (or the same), reversing each unit's bytes.
void CopySwappedUnits(const void* from, void* to, int unitSize, std::int64_t unitCount);
