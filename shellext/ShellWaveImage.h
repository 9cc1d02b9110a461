// Where the first channel of a wave lies in its file, for a thumbnail drawn from the data when
// the file has no preview footer: the headers of any version (1, 2, 3, 5) read through a byte
// source and held to the checks the viewer's reader makes, so a wave the viewer would refuse as
// damaged or cannot show gives no thumbnail.
#pragma once

#include "shellext/CByteSource.h"

#include <cstdint>

struct ShellWaveImage {
    std::int32_t columns = 0;    // dimension 0
    std::int32_t rows = 0;       // dimension 1; row 0 is the bottom of the picture
    int type = 0;                // a numeric type, never complex
    int elementSize = 0;         // bytes of one value
    bool needSwap = false;       // the file's byte order is not the machine's
    std::uint64_t dataStart = 0; // file offset of the first value of the first layer
};

// False for a file that is no wave, a damaged one (a bad checksum, sizes the file cannot hold,
// dimensions that hold more points than the wave) and a wave that is no image: 1-D and 4-D waves,
// text, complex and empty waves, force curves.
bool ReadShellWaveImage(CByteSource& source, ShellWaveImage* image);
