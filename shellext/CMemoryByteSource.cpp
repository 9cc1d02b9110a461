#include "shellext/CMemoryByteSource.h"

#include <algorithm>
#include <cstring>

std::size_t CMemoryByteSource::ReadAt(std::uint64_t offset, std::size_t count, void* buffer) {
    if (offset >= m_size) {
        return 0;
    }
    const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(count, m_size - offset));
    std::memcpy(buffer, m_bytes + offset, n);
    return n;
}
