#include "shellext/ReadZeroFilled.h"

#include <cstring>

void ReadZeroFilled(CByteSource& file, std::uint64_t offset, std::size_t count, void* buffer) {
    const std::size_t got = file.ReadAt(offset, count, buffer);
    std::memset(static_cast<char*>(buffer) + got, 0, count - got);
}
