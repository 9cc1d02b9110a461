#include "ibw/IBWRead.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Small enough to stay in a core's cache between the read and the swap.
constexpr std::size_t kSliceBytes = 256 * 1024;

// Reads size bytes of other-order data through a small reused slice and swaps each slice into
// place: the kernel copies into warm memory and the wave's own pages are written once, by the
// swap, instead of being filled by the read and walked again. Gives what one read followed by
// one swap of the whole buffer gives: a read that ends early is no error, the rest is zeros.
int ReadSwapped(IBWStream& file, std::size_t size, int elementSize, int type, unsigned char* buffer) {
    // A complex element's two parts are swapped each by itself.
    const std::size_t unit =
        static_cast<std::size_t>((type & kIBWTypeComplex) != 0 ? elementSize / 2 : elementSize);
    std::vector<unsigned char> slice(std::min(kSliceBytes, size));
    std::size_t got = 0;
    while (got < size) {
        std::size_t sliceGot = 0;
        const int err = file.Read(std::min(slice.size(), size - got), slice.data(), &sliceGot);
        if (err != kIBWFileOK && got == 0) {
            return err;
        }
        const std::size_t whole = sliceGot / unit * unit;
        CopySwappedUnits(slice.data(), buffer + got, static_cast<int>(unit),
                         static_cast<std::int64_t>(whole / unit));
        // A part unit can only come from the last read: it is swapped below with the zeros after it.
        std::memcpy(buffer + got + whole, slice.data() + whole, sliceGot - whole);
        if (err != kIBWFileOK || sliceGot == 0 || whole != sliceGot) {
            const std::size_t swapped = got + whole;
            got += sliceGot;
            std::memset(buffer + got, 0, size - got);
            SwapUnitBytes(buffer + swapped, static_cast<int>(unit),
                          static_cast<std::int64_t>((size - swapped) / unit));
            return kIBWFileOK;
        }
        got += sliceGot;
    }
    return kIBWFileOK;
}

} // namespace

int ReadIBWData(IBWStream& file, int type, std::int32_t pointCount, std::int64_t bytesAvailable, int needSwap,
                IBWBuffer* data, IBWProblem* problem) {
    int elementSize = IBWElementSize(type);
    if (elementSize == 0) {
        std::printf("Invalid wave type (0x%x).\n", type);
        return ReportProblem(problem, IBWProblem::invalidType, -1);
    }
    if (pointCount < 0) {
        std::printf("Invalid number of points (%d).\n", pointCount);
        return ReportProblem(problem, IBWProblem::badPointCount, -1);
    }
    // Checked against the bytes left in the file before anything is allocated, so a damaged
    // header cannot ask for more memory than the file could ever fill.
    std::int64_t dataSize = std::int64_t{pointCount} * elementSize;
    std::int64_t position = 0;
    std::int64_t end = 0;
    int err = file.GetPosition(&position);
    if (err == kIBWFileOK) {
        err = file.EndPosition(&end);
    }
    if (err != kIBWFileOK) {
        return ReportProblem(problem, IBWProblem::unreadable, err);
    }
    if (position > end || end - position < dataSize) {
        std::printf("The wave data (%lld bytes) extends past the end of the file.\n",
                    static_cast<long long>(dataSize));
        return ReportProblem(problem, IBWProblem::dataPastEnd, -1);
    }

    // A 32-bit process cannot hold more than its address space, whatever the file holds.
    const bool addressable = static_cast<std::uint64_t>(dataSize) <= SIZE_MAX;
    std::size_t size = addressable ? static_cast<std::size_t>(dataSize) : 0;
    IBWBuffer buffer(addressable ? static_cast<unsigned char*>(std::malloc(size != 0 ? size : 8)) : nullptr);
    if (!buffer) {
        std::printf("Unable to allocate %lld bytes to store data.\n", static_cast<long long>(dataSize));
        return ReportProblem(problem, IBWProblem::noMemory, -1);
    }
    if (size != 0) {
        // Compared unsigned: a wave size below the header's own size does not stop the read.
        if (static_cast<std::uint64_t>(bytesAvailable) < static_cast<std::uint64_t>(dataSize)) {
            // The header's wave size is too small for the declared points: the data reads as zeros.
            std::memset(buffer.get(), 0, size);
        } else if (needSwap == 0 || type == kIBWTypeText) {
            std::size_t got = 0;
            err = file.Read(size, buffer.get(), &got);
            if (err != kIBWFileOK) {
                std::printf("Error %d occurred while reading the wave data.\n", err);
                return ReportProblem(problem, IBWProblem::unreadable, err);
            }
            std::memset(buffer.get() + got, 0, size - got);
        } else {
            err = ReadSwapped(file, size, elementSize, type, buffer.get());
            if (err != kIBWFileOK) {
                std::printf("Error %d occurred while reading the wave data.\n", err);
                return ReportProblem(problem, IBWProblem::unreadable, err);
            }
        }
    }
    *data = std::move(buffer);
    return 0;
}
