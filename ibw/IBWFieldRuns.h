// Byte-order swapping of a header read as bytes: runs of equal-width numbers by offset, so that
// packed fields on unaligned addresses are never bound; texts and padding are left out.
#pragma once

#include "ibw/IBWRead.h"

#include <cstddef>

// One run of equal-width numbers inside a header: where it starts, its width and its length.
struct FieldRun {
    std::size_t offset;
    int unit;
    int count;
};

template <std::size_t N> void SwapRuns(unsigned char* header, const FieldRun (&runs)[N]) {
    for (const FieldRun& run : runs) {
        SwapUnitBytes(header + run.offset, run.unit, run.count);
    }
}
