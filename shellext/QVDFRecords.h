// The record layouts of a QVDF container: all numbers little-endian, types four characters in
// file order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A record type as the little-endian number of its four characters, so "FTOC" in the file reads
// as QVDFType("FTOC").
constexpr std::uint32_t QVDFType(const char (&name)[5]) {
    return std::uint32_t{static_cast<unsigned char>(name[0])} |
           std::uint32_t{static_cast<unsigned char>(name[1])} << 8 |
           std::uint32_t{static_cast<unsigned char>(name[2])} << 16 |
           std::uint32_t{static_cast<unsigned char>(name[3])} << 24;
}

constexpr std::uint16_t kQVDFTableFlag = 0x0001;
constexpr std::uint16_t kQVDFGroupFlag = 0x0002;

constexpr std::size_t kQVDFRecordHeaderSize = 16;
constexpr std::size_t kQVDFTableHeaderSize = 32;
constexpr std::size_t kQVDFTableEntrySize = 24; // a pointer entry: header and the u64 offset
constexpr std::size_t kQVDFTextOffsetEntrySize = 32;
constexpr std::size_t kQVDFImageDefinitionSize = 184;
constexpr std::size_t kQVDFChannelNameOffset = 120;
constexpr std::size_t kQVDFChannelNameMax = 32;
constexpr std::size_t kQVDFThumbnailHeaderSize = 32;
constexpr std::size_t kQVDFTextStart = 24;

struct QVDFRecordHeader {
    std::uint32_t crc = 0;
    std::uint32_t size = 0; // of the record, header included; of a table: its header only
    std::uint32_t type = 0;
    std::uint16_t misc = 0;
    std::uint16_t flags = 0;

    bool IsEnd() const { return crc == 0 || type == 0; } // ends the used entries of a table
};

struct QVDFTableHeader {
    QVDFRecordHeader header;
    std::uint64_t totalSize = 0; // header and entries
    std::uint32_t entryCount = 0;
    std::uint32_t entrySize = 0;
};

std::uint16_t ReadLE16(const std::uint8_t* bytes);
std::uint32_t ReadLE32(const std::uint8_t* bytes);
std::uint64_t ReadLE64(const std::uint8_t* bytes);

QVDFRecordHeader ParseQVDFRecordHeader(const std::uint8_t* bytes); // 16 bytes
QVDFTableHeader ParseQVDFTableHeader(const std::uint8_t* bytes);   // 32 bytes

struct QVDFImageEntry {
    std::uint64_t imageOffset = 0;
    std::uint64_t definitionOffset = 0; // the image's "IDEF" record, 0 without one
    std::uint64_t thumbnailOffset = 0;  // the "THMB" record the image points to, 0 without one
    std::uint32_t thumbnailSize = 0;    // its size field; 0 when it is of another type or empty
    std::uint16_t thumbnailWidth = 0;
    std::uint16_t thumbnailHeight = 0;
    std::string channelName; // from the definition, up to its first zero byte or 32 bytes
};
