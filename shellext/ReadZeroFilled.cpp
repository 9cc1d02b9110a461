#include "shellext/ReadZeroFilled.h"

#include <algorithm>
#include <cstring>

void ReadZeroFilled(std::istream& file, std::uint64_t fileSize, std::uint64_t offset, std::size_t count,
                    void* buffer) {
    std::memset(buffer, 0, count);
    if (offset >= fileSize) {
        return;
    }
    std::uint64_t available = std::min<std::uint64_t>(fileSize - offset, count);
    file.clear();
    file.seekg(static_cast<std::streamoff>(offset));
    file.read(static_cast<char*>(buffer), static_cast<std::streamsize>(available));
    file.clear();
}
