// Positional reads of a QVDF file for the reader's walks, through a small block cache, with a
// budget of header reads so that no walk over a damaged file can run for long.
#pragma once

#include "shellext/CByteSource.h"
#include "shellext/QVDFRecords.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>

class QVDFFile {
public:
    // Header reads allowed per open file: enough for every record of a sound file many times
    // over, and never more than a fixed ceiling.
    static constexpr std::uint64_t kMinVisits = 256;
    static constexpr std::uint64_t kMaxVisits = std::uint64_t{1} << 20;

    QVDFFile() = default;
    virtual ~QVDFFile() = default;

    bool Open(const std::filesystem::path& path);
    // Reads through the given source instead (memory's, a stream's); false when it is null.
    bool Open(std::unique_ptr<CByteSource> source);
    std::uint64_t Size() const { return m_size; }

    // Reads up to count bytes at offset; returns the bytes read (fewer at the end of the file).
    std::size_t ReadAt(std::uint64_t offset, std::size_t count, void* buffer);

    // Whole headers only; false at the end of the file or when the budget is spent.
    bool ReadHeader(std::uint64_t offset, QVDFRecordHeader* header);
    bool ReadTableHeader(std::uint64_t offset, QVDFTableHeader* table);

private:
    bool Visit();

    std::unique_ptr<CByteSource> m_source;
    std::uint64_t m_size = 0;
    std::uint64_t m_visitsLeft = 0;
};

// a + b when the sum lies within limit; false otherwise, without overflowing.
bool AddWithin(std::uint64_t a, std::uint64_t b, std::uint64_t limit, std::uint64_t* sum);
