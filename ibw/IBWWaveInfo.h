// One wave's header facts in the same form whatever the file's version (1, 2, 3 or 5), in the
// machine's byte order, with where its data lies: what ReadIBWWaveInfo gives.
#pragma once

#include "ibw/IBWRead.h"

#include <array>
#include <cstdint>
#include <string>

struct IBWWaveInfo {
    std::int16_t version = 0;
    int needSwap = 0; // the file's byte order is not the machine's
    int type = 0;
    std::int32_t points = 0;
    std::array<std::int32_t, 4> dims{}; // versions 1-3: {points, 0, 0, 0}
    std::array<double, 4> spacing{};    // element e of dimension d lies at spacing[d] * e + start[d]
    std::array<double, 4> start{};
    std::string name;
    std::string dataUnits; // the extended units when the file has them, else the header's text
    std::array<std::string, 4> dimUnits;
    std::int64_t fileSize = 0;
    std::int64_t dataStart = 0; // file offset of the first value
    std::int64_t dataRoom = 0;  // bytes the header's wave size leaves for the data
    BinHeader5 bin5{};          // version 5 and later: the headers as read
    WaveHeader5 header5{};
};

// The dimensions a wave has: those before the first empty one (sizes behind it do not count).
inline int UsedDimensions(const IBWWaveInfo& info) {
    int used = 0;
    while (used < 4 && info.dims[used] != 0) {
        ++used;
    }
    return used;
}

// Reads and checks the headers of any version (the checksum of each), with the diagnostic lines
// of ReadIBWHeaders; version 5 and later are read by it. Nothing behind the headers is checked
// but the extended units, which are taken only when they lie inside the file.
int ReadIBWWaveInfo(IBWStream& file, IBWWaveInfo* info, IBWProblem* problem = nullptr);
