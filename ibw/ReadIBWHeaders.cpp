#include "ibw/IBWRead.h"

#include <bit>
#include <cstring>

namespace {

template <typename T> void Swap(T& value) {
    SwapUnitBytes(&value, sizeof(T), 1);
}

template <typename T, std::size_t N> void Swap(T (&values)[N]) {
    SwapUnitBytes(values, sizeof(T), N);
}

void SwapBinHeader(BinHeader5& h) {
    Swap(h.version);
    Swap(h.checksum);
    Swap(h.wfmSize);
    Swap(h.formulaSize);
    Swap(h.noteSize);
    Swap(h.dataEUnitsSize);
    Swap(h.dimEUnitsSize);
    Swap(h.dimLabelsSize);
    Swap(h.sIndicesSize);
    Swap(h.optionsSize1);
    Swap(h.optionsSize2);
}

// Texts, padding bytes and the use/kind bits keep their order.
void SwapWaveHeader(WaveHeader5& h) {
    Swap(h.next);
    Swap(h.creationDate);
    Swap(h.modDate);
    Swap(h.npnts);
    Swap(h.type);
    Swap(h.dLock);
    Swap(h.whVersion);
    Swap(h.whpad2);
    Swap(h.dFolder);
    Swap(h.nDim);
    Swap(h.sfA);
    Swap(h.sfB);
    Swap(h.fsValid);
    Swap(h.whpad3);
    Swap(h.topFullScale);
    Swap(h.botFullScale);
    Swap(h.dataEUnits);
    Swap(h.dimEUnits);
    Swap(h.dimLabels);
    Swap(h.waveNoteH);
    Swap(h.whUnused);
    Swap(h.aModified);
    Swap(h.wModified);
    Swap(h.swModified);
    Swap(h.formula);
    Swap(h.depID);
    Swap(h.whpad4);
    Swap(h.srcFldr);
    Swap(h.fileName);
    Swap(h.sIndices);
}

} // namespace

int ReadIBWHeaders(std::FILE* file, WaveHeader5* waveHeader, BinHeader5* binHeader, int* needSwapOut) {
    std::int64_t start = 0;
    int err = IBWFileSetPosition(file, 0, kIBWFromStart);
    if (err == kIBWFileOK) {
        err = IBWFileGetPosition(file, &start);
    }
    if (err != kIBWFileOK) {
        return err;
    }

    unsigned char versionBytes[2] = {0, 0};
    err = IBWFileRead(file, sizeof versionBytes, versionBytes, nullptr);
    if (err != kIBWFileOK) {
        std::printf("Error %d occurred while reading the file version.\n", err);
        return err;
    }
    // A version-5 file starts 05 00 when written little-endian and 00 05 when big-endian.
    bool fileBigEndian = versionBytes[0] == 0;
    int needSwap = fileBigEndian != (std::endian::native == std::endian::big) ? 1 : 0;
    std::int16_t version = 0;
    std::memcpy(&version, versionBytes, sizeof version);
    if (needSwap != 0) {
        Swap(version);
    }
    if (version < 5) {
        std::printf(
            "This does not appear to be a valid Igor binary wave file or its older than what we want to "
            "support. The version field = %d.\n",
            version);
        return -1;
    }

    err = IBWFileSetPosition(file, start, kIBWFromStart);
    if (err != kIBWFileOK) {
        return err;
    }
    unsigned char headers[kIBWHeadersSize + 4] = {};
    std::size_t got = 0;
    err = IBWFileRead(file, sizeof headers, headers, &got);
    if (err != kIBWFileOK) {
        std::printf("Error %d occurred while reading the file headers.\n", err);
        return err;
    }
    // Header bytes past the end of the file would be invented: such a file holds no wave.
    if (got < static_cast<std::size_t>(kIBWHeadersSize)) {
        std::printf("The file is too short to hold the wave headers (%zu bytes).\n", got);
        return -1;
    }
    std::uint16_t sum = IBWChecksum(headers, kIBWHeadersSize, needSwap, 0);
    if (sum != 0) {
        std::printf("Error in checksum - should be 0, is %d.\n", static_cast<std::int16_t>(sum));
        std::printf("This does not appear to be a valid Igor binary wave file.\n");
        return -1;
    }

    BinHeader5 bin;
    WaveHeader5 wave;
    std::memcpy(&bin, headers, sizeof bin);
    std::memcpy(&wave, headers + kIBWBinHeaderSize, sizeof wave);
    if (needSwap != 0) {
        SwapBinHeader(bin);
        SwapWaveHeader(wave);
    }
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
