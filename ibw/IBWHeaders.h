// The records of an Igor binary wave: the version-5 binary header, wave header and dimension
// labels, and the binary headers and the one wave header of versions 1, 2 and 3.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kIBWBinHeaderSize = 64;
constexpr int kIBWWaveHeaderSize = 320;
constexpr int kIBWHeadersSize = kIBWBinHeaderSize + kIBWWaveHeaderSize; // where the data starts
constexpr int kIBWLabelSize = 32;                                       // one dimension label record

// Versions 1-3: one wave header of 110 bytes after a binary header of 8, 16 or 20 bytes. Their
// wave size counts the wave header, the data and 16 bytes of padding behind it, and their
// checksum covers the two headers and the 16 bytes that follow them.
constexpr int kIBWWaveHeader2Size = 110;
constexpr int kIBWOldPadding = 16;

// Data-type codes of the wave header.
constexpr int kIBWTypeText = 0x00;
constexpr int kIBWTypeComplex = 0x01;
constexpr int kIBWTypeFloat32 = 0x02;
constexpr int kIBWTypeFloat64 = 0x04;
constexpr int kIBWTypeInt8 = 0x08;
constexpr int kIBWTypeInt16 = 0x10;
constexpr int kIBWTypeInt32 = 0x20;
constexpr int kIBWTypeUnsigned = 0x40;

// Trailer kinds of ReadIBWTrailerKind.
constexpr int kIBWTrailerNone = 0;
constexpr int kIBWTrailerImage = 1; // "KTZ9W"
constexpr int kIBWTrailerForce = 2; // "Force"

// The file's layout packs doubles on 2-byte boundaries.
#pragma pack(push, 2)
struct BinHeader5 {
    std::int16_t version;
    std::int16_t checksum;
    std::int32_t wfmSize; // wave header (320) plus the numeric data
    std::int32_t formulaSize;
    std::int32_t noteSize;
    std::int32_t dataEUnitsSize;
    std::int32_t dimEUnitsSize[4];
    std::int32_t dimLabelsSize[4];
    std::int32_t sIndicesSize;
    std::int32_t optionsSize1;
    std::int32_t optionsSize2;
};

// The 320-byte wave header followed by the first 4 data bytes, as read.
struct WaveHeader5 {
    std::int32_t next;
    std::uint32_t creationDate;
    std::uint32_t modDate;
    std::int32_t npnts; // points in the whole wave
    std::int16_t type;
    std::int16_t dLock;
    char whpad1[6];
    std::int16_t whVersion;
    char bname[32];
    std::int32_t whpad2;
    std::int32_t dFolder;
    std::int32_t nDim[4]; // elements per dimension, 0 = unused
    double sfA[4];        // spacing per dimension
    double sfB[4];        // first coordinate per dimension
    char dataUnits[4];
    char dimUnits[4][4];
    std::int16_t fsValid;
    std::int16_t whpad3;
    double topFullScale;
    double botFullScale;
    std::int32_t dataEUnits;
    std::int32_t dimEUnits[4];
    std::int32_t dimLabels[4];
    std::int32_t waveNoteH;
    std::int32_t whUnused[16];
    std::int16_t aModified;
    std::int16_t wModified;
    std::int16_t swModified;
    char useBits;
    char kindBits;
    std::int32_t formula;
    std::int32_t depID;
    std::int16_t whpad4;
    std::int16_t srcFldr;
    std::int32_t fileName;
    std::int32_t sIndices;
    unsigned char wData[4];
};

struct BinHeader1 {
    std::int16_t version;
    std::int32_t wfmSize; // wave header, data and padding
    std::int16_t checksum;
};

struct BinHeader2 {
    std::int16_t version;
    std::int32_t wfmSize;
    std::int32_t noteSize;
    std::int32_t pictSize;
    std::int16_t checksum;
};

struct BinHeader3 {
    std::int16_t version;
    std::int32_t wfmSize;
    std::int32_t noteSize;
    std::int32_t formulaSize;
    std::int32_t pictSize;
    std::int16_t checksum;
};

// The wave header of versions 1-3: one dimension only.
struct WaveHeader2 {
    std::int16_t type;
    std::int32_t next;
    char bname[20];
    std::int16_t whVersion;
    std::int16_t srcFldr;
    std::int32_t fileName;
    char dataUnits[4];
    char xUnits[4];
    std::int32_t npnts;
    std::int16_t aModified;
    double hsA; // x of point p is hsA * p + hsB
    double hsB;
    std::int16_t wModified;
    std::int16_t swModified;
    std::int16_t fsValid;
    double topFullScale;
    double botFullScale;
    char useBits;
    char kindBits;
    std::int32_t formula;
    std::int32_t depID;
    std::uint32_t creationDate;
    char wUnused[2];
    std::uint32_t modDate;
    std::int32_t waveNoteH;
};
#pragma pack(pop)

static_assert(sizeof(BinHeader1) == 8 && sizeof(BinHeader2) == 16 && sizeof(BinHeader3) == 20);
static_assert(sizeof(WaveHeader2) == kIBWWaveHeader2Size && offsetof(WaveHeader2, npnts) == 42);
static_assert(offsetof(WaveHeader2, hsA) == 48 && offsetof(WaveHeader2, modDate) == 102);
static_assert(sizeof(BinHeader5) == kIBWBinHeaderSize);
static_assert(sizeof(WaveHeader5) == kIBWWaveHeaderSize + 4);
static_assert(offsetof(WaveHeader5, sfA) == 84 && offsetof(WaveHeader5, dataUnits) == 148);
static_assert(offsetof(WaveHeader5, topFullScale) == 172 && offsetof(WaveHeader5, useBits) == 298);

using IBWLabel = std::array<char, kIBWLabelSize>; // zero-terminated, at most 31 characters

// The dimension labels of a file: per dimension its own name and its element labels.
struct IBWDimLabels {
    std::array<std::int32_t, 4> count{}; // label size / 32 - 1, 0 for a dimension without labels
    std::array<IBWLabel, 4> name{};
    std::array<std::vector<IBWLabel>, 4> labels;
};
