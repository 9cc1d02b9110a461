// Bytes held in memory as a byte source: inputs that never touch the disk (the fuzz targets).
// The bytes must outlive the source; they are read, never written.
#pragma once

#include "shellext/CByteSource.h"

class CMemoryByteSource : public CByteSource {
public:
    CMemoryByteSource(const void* bytes, std::size_t size)
        : m_bytes(static_cast<const unsigned char*>(bytes)), m_size(size) {}

    std::uint64_t Size() const override { return m_size; }
    std::size_t ReadAt(std::uint64_t offset, std::size_t count, void* buffer) override;

private:
    const unsigned char* m_bytes;
    std::size_t m_size;
};
