#include "shellext/ShellWaveImage.h"

#include "ibw/IBWRead.h"
#include "ibw/IBWRefusalText.h"
#include "ibw/IBWSections.h"
#include "ibw/IBWWaveInfo.h"

#include <cstring>

namespace {

int TrailerKind(CByteSource& source) {
    char tag[5] = {};
    if (source.Size() < sizeof(tag) ||
        source.ReadAt(source.Size() - sizeof(tag), sizeof(tag), tag) != sizeof(tag)) {
        return kIBWTrailerNone;
    }
    if (std::memcmp(tag, "KTZ9W", sizeof(tag)) == 0) {
        return kIBWTrailerImage;
    }
    return std::memcmp(tag, "Force", sizeof(tag)) == 0 ? kIBWTrailerForce : kIBWTrailerNone;
}

// The dimensions in use must be non-negative and hold no more points than the wave.
bool ShapeFits(const IBWWaveInfo& info) {
    std::int64_t points = 1;
    for (int d = 0; d < UsedDimensions(info); ++d) {
        if (info.dims[d] < 0) {
            return false;
        }
        points *= info.dims[d];
        if (points > info.points) {
            return false;
        }
    }
    return true;
}

} // namespace

bool ReadShellWaveImage(CByteSource& source, ShellWaveImage* image) {
    // Every version's headers lie in the first bytes: they are read once and checked in memory by
    // the wave reader's own routine. What lies behind them is checked against the source's size.
    unsigned char headers[kIBWHeadersSize + 4] = {};
    const std::size_t got = source.ReadAt(0, sizeof(headers), headers);
    IBWStream stream(headers, got);
    IBWWaveInfo info;
    if (ReadIBWWaveInfo(stream, &info) != 0) {
        return false;
    }
    info.fileSize = static_cast<std::int64_t>(source.Size());
    if (info.fileSize < 0 || !UnshowableWaveText(info, TrailerKind(source)).empty() || !ShapeFits(info) ||
        UsedDimensions(info) < 2) {
        return false;
    }
    const int elementSize = IBWElementSize(info.type);
    const std::int64_t dataBytes = std::int64_t{info.points} * elementSize;
    // As the viewer reads a wave: the data inside the file and inside the header's wave size, and
    // the note and labels behind it whole.
    if (elementSize <= 0 || !IBWFits(info.fileSize, info.dataStart, dataBytes) || info.dataRoom < dataBytes ||
        (info.version >= 5 && !IBWSectionsFit(info.bin5, info.fileSize))) {
        return false;
    }
    image->columns = info.dims[0];
    image->rows = info.dims[1];
    image->type = info.type;
    image->elementSize = elementSize;
    image->needSwap = info.needSwap != 0;
    image->dataStart = static_cast<std::uint64_t>(info.dataStart);
    return true;
}
