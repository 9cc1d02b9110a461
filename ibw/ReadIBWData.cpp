#include "ibw/IBWRead.h"

#include <cstring>

int ReadIBWData(std::FILE* file, int type, std::int32_t pointCount, std::int64_t bytesAvailable, int needSwap,
                IBWBuffer* data) {
    int elementSize = IBWElementSize(type);
    if (elementSize == 0) {
        std::printf("Invalid wave type (0x%x).\n", type);
        return -1;
    }
    if (pointCount < 0) {
        std::printf("Invalid number of points (%d).\n", pointCount);
        return -1;
    }
    // Checked against the bytes left in the file before anything is allocated, so a damaged
    // header cannot ask for more memory than the file could ever fill.
    std::int64_t dataSize = std::int64_t{pointCount} * elementSize;
    std::int64_t position = 0;
    std::int64_t end = 0;
    int err = IBWFileGetPosition(file, &position);
    if (err == kIBWFileOK) {
        err = IBWFileEndPosition(file, &end);
    }
    if (err != kIBWFileOK) {
        return err;
    }
    if (position > end || end - position < dataSize) {
        std::printf("The wave data (%lld bytes) extends past the end of the file.\n",
                    static_cast<long long>(dataSize));
        return -1;
    }

    std::size_t size = static_cast<std::size_t>(dataSize);
    IBWBuffer buffer(static_cast<unsigned char*>(std::malloc(size != 0 ? size : 8)));
    if (!buffer) {
        std::printf("Unable to allocate %lld bytes to store data.\n", static_cast<long long>(dataSize));
        return -1;
    }
    if (size != 0) {
        // Compared unsigned: a wave size below the header's own size does not stop the read.
        if (static_cast<std::uint64_t>(bytesAvailable) < static_cast<std::uint64_t>(dataSize)) {
            // The header's wave size is too small for the declared points: the data reads as zeros.
            std::memset(buffer.get(), 0, size);
        } else {
            std::size_t got = 0;
            err = IBWFileRead(file, size, buffer.get(), &got);
            if (err != kIBWFileOK) {
                std::printf("Error %d occurred while reading the wave data.\n", err);
                return err;
            }
            std::memset(buffer.get() + got, 0, size - got);
            if (needSwap != 0 && type != kIBWTypeText) {
                // A complex element's two parts are swapped each by itself.
                int unit = (type & kIBWTypeComplex) != 0 ? elementSize / 2 : elementSize;
                SwapUnitBytes(buffer.get(), unit, dataSize / unit);
            }
        }
    }
    *data = std::move(buffer);
    return 0;
}
