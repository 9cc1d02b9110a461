#include "tests/sweep/HeaderFields.h"

#include "ibw/IBWHeaders.h"

#include <cstddef>

namespace {

void Add(std::vector<HeaderField>* fields, const char* name, std::size_t base, std::size_t offset,
         std::size_t size, int count = 1) {
    const std::size_t each = size / static_cast<std::size_t>(count);
    for (int i = 0; i < count; ++i) {
        std::string label = name;
        if (count > 1) {
            label += "[" + std::to_string(i) + "]";
        }
        fields->push_back({label, static_cast<int>(base + offset + each * static_cast<std::size_t>(i)),
                           static_cast<int>(each)});
    }
}

} // namespace

#define QV_BIN_FIELD(f, n) Add(&fields, #f, 0, offsetof(BinHeader5, f), sizeof(BinHeader5::f), n)
#define QV_WAVE_FIELD(f, n)                                                                                  \
    Add(&fields, #f, kIBWBinHeaderSize, offsetof(WaveHeader5, f), sizeof(WaveHeader5::f), n)

std::vector<HeaderField> IBWHeaderFields() {
    std::vector<HeaderField> fields;
    QV_BIN_FIELD(version, 1);
    QV_BIN_FIELD(checksum, 1);
    QV_BIN_FIELD(wfmSize, 1);
    QV_BIN_FIELD(formulaSize, 1);
    QV_BIN_FIELD(noteSize, 1);
    QV_BIN_FIELD(dataEUnitsSize, 1);
    QV_BIN_FIELD(dimEUnitsSize, 4);
    QV_BIN_FIELD(dimLabelsSize, 4);
    QV_BIN_FIELD(sIndicesSize, 1);
    QV_BIN_FIELD(optionsSize1, 1);
    QV_BIN_FIELD(optionsSize2, 1);
    QV_WAVE_FIELD(next, 1);
    QV_WAVE_FIELD(creationDate, 1);
    QV_WAVE_FIELD(modDate, 1);
    QV_WAVE_FIELD(npnts, 1);
    QV_WAVE_FIELD(type, 1);
    QV_WAVE_FIELD(dLock, 1);
    QV_WAVE_FIELD(whpad1, 1);
    QV_WAVE_FIELD(whVersion, 1);
    QV_WAVE_FIELD(bname, 1);
    QV_WAVE_FIELD(whpad2, 1);
    QV_WAVE_FIELD(dFolder, 1);
    QV_WAVE_FIELD(nDim, 4);
    QV_WAVE_FIELD(sfA, 4);
    QV_WAVE_FIELD(sfB, 4);
    QV_WAVE_FIELD(dataUnits, 1);
    QV_WAVE_FIELD(dimUnits, 4);
    QV_WAVE_FIELD(fsValid, 1);
    QV_WAVE_FIELD(whpad3, 1);
    QV_WAVE_FIELD(topFullScale, 1);
    QV_WAVE_FIELD(botFullScale, 1);
    QV_WAVE_FIELD(dataEUnits, 1);
    QV_WAVE_FIELD(dimEUnits, 4);
    QV_WAVE_FIELD(dimLabels, 4);
    QV_WAVE_FIELD(waveNoteH, 1);
    QV_WAVE_FIELD(whUnused, 16);
    QV_WAVE_FIELD(aModified, 1);
    QV_WAVE_FIELD(wModified, 1);
    QV_WAVE_FIELD(swModified, 1);
    QV_WAVE_FIELD(useBits, 1);
    QV_WAVE_FIELD(kindBits, 1);
    QV_WAVE_FIELD(formula, 1);
    QV_WAVE_FIELD(depID, 1);
    QV_WAVE_FIELD(whpad4, 1);
    QV_WAVE_FIELD(srcFldr, 1);
    QV_WAVE_FIELD(fileName, 1);
    QV_WAVE_FIELD(sIndices, 1);
    return fields;
}
