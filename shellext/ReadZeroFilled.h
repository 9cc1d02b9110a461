// Reads a span of a file whose part beyond the end of the file reads as zero bytes.
#pragma once

#include "shellext/CByteSource.h"

#include <cstddef>
#include <cstdint>

// Fills count bytes of buffer from offset; bytes past the source's end stay zero.
void ReadZeroFilled(CByteSource& file, std::uint64_t offset, std::size_t count, void* buffer);
