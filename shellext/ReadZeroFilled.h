// Reads a span of a file whose part beyond the end of the file reads as zero bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>

// Fills count bytes of buffer from offset; bytes past fileSize (or the stream's end) stay zero.
void ReadZeroFilled(std::istream& file, std::uint64_t fileSize, std::uint64_t offset, std::size_t count,
                    void* buffer);
