// The bytes a wave is read from: an open file or a buffer held in memory, behind the file layer's
// result codes, so that one reading path serves files on disk and inputs that never touch it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

class IBWStream {
public:
    explicit IBWStream(std::FILE* file) : m_file(file) {}
    // The bytes must outlive the stream; they are read, never written.
    IBWStream(const void* bytes, std::size_t size)
        : m_bytes(static_cast<const unsigned char*>(bytes)), m_size(static_cast<std::int64_t>(size)) {}

    // The file layer's calls (IBWFileIO.h), with its codes: a short read is no error, nothing read
    // at the end is 10002, a position before the start or an unknown mode is 10005.
    int Read(std::size_t count, void* buffer, std::size_t* outBytesRead);
    int GetPosition(std::int64_t* outPosition);
    int SetPosition(std::int64_t position, int mode);
    int EndPosition(std::int64_t* outPosition);

private:
    std::FILE* m_file = nullptr;
    const unsigned char* m_bytes = nullptr;
    std::int64_t m_size = 0;
    std::int64_t m_position = 0;
};
