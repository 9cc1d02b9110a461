// Where the sections behind the wave data start, from the binary header's sizes. Every size must
// be non-negative and every section must lie inside the file, so nothing is read or allocated for
// a size the file cannot hold.
#pragma once

#include "ibw/IBWHeaders.h"

#include <cstdint>

// True when [offset, offset + size) lies inside a file of fileSize bytes.
inline bool IBWFits(std::int64_t fileSize, std::int64_t offset, std::int64_t size) {
    return offset >= 0 && size >= 0 && offset <= fileSize && fileSize - offset >= size;
}

// Start of the wave note: behind the headers, the data and the formula.
inline bool IBWNoteStart(const BinHeader5& h, std::int64_t fileSize, std::int64_t* start) {
    if (h.wfmSize < 0 || !IBWFits(fileSize, kIBWBinHeaderSize, h.wfmSize)) {
        return false;
    }
    std::int64_t formulaStart = kIBWBinHeaderSize + std::int64_t{h.wfmSize};
    if (!IBWFits(fileSize, formulaStart, h.formulaSize)) {
        return false;
    }
    *start = formulaStart + h.formulaSize;
    return true;
}

// Start of the first dimension-label section: behind the note and the extended units.
inline bool IBWLabelsStart(const BinHeader5& h, std::int64_t fileSize, std::int64_t* start) {
    std::int64_t at = 0;
    if (!IBWNoteStart(h, fileSize, &at) || !IBWFits(fileSize, at, h.noteSize)) {
        return false;
    }
    at += h.noteSize;
    if (!IBWFits(fileSize, at, h.dataEUnitsSize)) {
        return false;
    }
    at += h.dataEUnitsSize;
    for (std::int32_t size : h.dimEUnitsSize) {
        if (!IBWFits(fileSize, at, size)) {
            return false;
        }
        at += size;
    }
    *start = at;
    return true;
}

// True when the note, the extended units and every dimension-label section lie inside the file.
inline bool IBWSectionsFit(const BinHeader5& h, std::int64_t fileSize) {
    std::int64_t at = 0;
    if (!IBWLabelsStart(h, fileSize, &at)) {
        return false;
    }
    for (std::int32_t size : h.dimLabelsSize) {
        if (!IBWFits(fileSize, at, size)) {
            return false;
        }
        at += size;
    }
    return true;
}
