#include "shellext/QVDFSearch.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::uint64_t kNoLimit = std::numeric_limits<std::uint64_t>::max();

std::uint64_t Find(QVDFFile& file, bool follow, std::uint64_t start, std::uint32_t type, std::uint32_t count,
                   std::uint32_t step, int depth) {
    QVDFRecordHeader h;
    if (depth >= kQVDFMaxDepth || !file.ReadHeader(start, &h)) {
        return 0;
    }
    const bool group = (h.flags & kQVDFGroupFlag) != 0;
    std::uint64_t pos = start;
    for (;;) {
        if (h.flags & kQVDFTableFlag) {
            QVDFTableHeader table;
            std::uint64_t entries = 0;
            if (!file.ReadTableHeader(pos, &table) ||
                !AddWithin(pos, kQVDFTableHeaderSize, kNoLimit, &entries)) {
                return 0;
            }
            std::uint64_t found =
                Find(file, follow, entries, type, table.entryCount, table.entrySize, depth + 1);
            if (found != 0 || !group) {
                return found;
            }
            // A table that does not cover its own header cannot be stepped over.
            if (table.totalSize == 0 || !AddWithin(pos, table.totalSize, file.Size(), &pos) ||
                !file.ReadHeader(pos, &h)) {
                return 0;
            }
            continue;
        }
        QVDFRecordHeader current;
        if (!file.ReadHeader(pos, &current)) {
            return 0;
        }
        if (current.type == type) {
            if (!follow) {
                return pos;
            }
            std::uint8_t entry[kQVDFTableEntrySize];
            if (file.ReadAt(pos, sizeof(entry), entry) != sizeof(entry)) {
                return 0;
            }
            return ReadLE64(entry + 16);
        }
        if (current.IsEnd()) {
            return 0;
        }
        const std::uint64_t advance = step == 0 ? current.size : std::min(current.size, step);
        if (count > 0) {
            if (--count == 0 || advance == 0 || !AddWithin(pos, advance, kNoLimit, &pos)) {
                return 0;
            }
            continue;
        }
        std::uint64_t end = 0;
        if (advance == 0 || !AddWithin(pos, advance, kNoLimit, &pos) ||
            !AddWithin(pos, current.size, file.Size(), &end) || !file.ReadHeader(pos, &h)) {
            return 0;
        }
        if (group && (h.flags & kQVDFTableFlag) && (h.flags & kQVDFGroupFlag)) {
            return 0; // the next group begins
        }
    }
}

} // namespace

std::uint64_t FindRecord(QVDFFile& file, bool follow, std::uint64_t start, std::uint32_t type,
                         std::uint32_t count, std::uint32_t step) {
    return Find(file, follow, start, type, count, step, 0);
}

std::uint64_t FindTopLevelRecord(QVDFFile& file, std::uint64_t start, std::uint32_t type) {
    QVDFRecordHeader h;
    if (!file.ReadHeader(start, &h) || h.type == 0 || h.size < kQVDFRecordHeaderSize) {
        return 0;
    }
    std::uint64_t pos = start;
    for (;;) {
        std::uint64_t next = 0;
        if (h.flags & kQVDFTableFlag) {
            QVDFTableHeader table;
            if (!file.ReadTableHeader(pos, &table)) {
                return 0;
            }
            if (table.header.type == type) {
                return pos;
            }
            if (table.totalSize == 0 || !AddWithin(pos, table.totalSize, kNoLimit, &next)) {
                return 0;
            }
        } else if (h.flags & kQVDFGroupFlag) {
            if (h.type == type) {
                return pos;
            }
            next = SkipTable(file, pos);
            if (next <= pos) {
                return 0;
            }
        } else {
            if (h.type == type) {
                return pos;
            }
            std::uint64_t end = 0;
            if (h.size == 0 || !AddWithin(pos, std::uint64_t{h.size} * 2, file.Size(), &end)) {
                return 0;
            }
            next = pos + h.size;
        }
        pos = next;
        if (!file.ReadHeader(pos, &h)) {
            return 0;
        }
    }
}

std::uint64_t SkipTable(QVDFFile& file, std::uint64_t pos) {
    QVDFTableHeader table;
    std::uint64_t at = 0;
    if (!file.ReadTableHeader(pos, &table) || !AddWithin(pos, kQVDFTableHeaderSize, kNoLimit, &at)) {
        return 0;
    }
    for (std::uint32_t i = 0; i < table.entryCount; ++i) {
        QVDFRecordHeader entry;
        if (!file.ReadHeader(at, &entry) || !AddWithin(at, entry.size, kNoLimit, &at)) {
            return 0;
        }
        // An entry of size 0 would be read again and again without moving on.
        if (entry.IsEnd() || entry.size == 0) {
            break;
        }
    }
    return at;
}
