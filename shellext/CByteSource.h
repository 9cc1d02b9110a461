// Positional reads of a file's bytes, whatever holds them: a file opened by its path, or a stream
// the shell hands over. The readers of the preview footer, the wave note and QVDF containers read
// through it, so each of them serves paths and streams alike.
#pragma once

#include <cstddef>
#include <cstdint>

class CByteSource {
public:
    CByteSource() = default;
    virtual ~CByteSource() = default;
    CByteSource(const CByteSource&) = delete;
    CByteSource& operator=(const CByteSource&) = delete;

    // The number of bytes, 0 when the source cannot tell.
    virtual std::uint64_t Size() const = 0;
    // Reads up to count bytes at offset; returns how many were read, fewer only at the end of the
    // source or on a read error.
    virtual std::size_t ReadAt(std::uint64_t offset, std::size_t count, void* buffer) = 0;
};
