// The reader's walks over the records of a QVDF file. Each answers a file offset, 0 for none.
// Besides the file's own ends, every walk stops when the file's header budget is spent, when a
// record would not move the walk forward, or below kQVDFMaxDepth nested tables.
#pragma once

#include "shellext/QVDFFile.h"

#include <cstdint>

constexpr int kQVDFMaxDepth = 16;

// Searches the records from start, descending into tables. With count > 0 exactly count table
// entries, step bytes apart at most, are examined; with count 0 the walk is open and ends at
// the next group record when the first record was a group. follow: answer the found pointer
// entry's target rather than its own offset.
std::uint64_t FindRecord(QVDFFile& file, bool follow, std::uint64_t start, std::uint32_t type,
                         std::uint32_t count, std::uint32_t step);

// Walks the top-level records from start.
std::uint64_t FindTopLevelRecord(QVDFFile& file, std::uint64_t start, std::uint32_t type);

// The offset after the used entries of the table at pos.
std::uint64_t SkipTable(QVDFFile& file, std::uint64_t pos);
