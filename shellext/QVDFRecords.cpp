#include "shellext/QVDFRecords.h"

std::uint16_t ReadLE16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t ReadLE32(const std::uint8_t* bytes) {
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

std::uint64_t ReadLE64(const std::uint8_t* bytes) {
    return std::uint64_t{ReadLE32(bytes)} | std::uint64_t{ReadLE32(bytes + 4)} << 32;
}

QVDFRecordHeader ParseQVDFRecordHeader(const std::uint8_t* bytes) {
    QVDFRecordHeader header;
    header.crc = ReadLE32(bytes);
    header.size = ReadLE32(bytes + 4);
    header.type = ReadLE32(bytes + 8);
    header.misc = ReadLE16(bytes + 12);
    header.flags = ReadLE16(bytes + 14);
    return header;
}

QVDFTableHeader ParseQVDFTableHeader(const std::uint8_t* bytes) {
    QVDFTableHeader table;
    table.header = ParseQVDFRecordHeader(bytes);
    table.totalSize = ReadLE64(bytes + 16);
    table.entryCount = ReadLE32(bytes + 24);
    table.entrySize = ReadLE32(bytes + 28);
    return table;
}
