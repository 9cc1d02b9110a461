// Writes QVDF containers from a plain description: images with their definitions and
// thumbnails, a text note block, and the knobs for odd and damaged files. Tests, seeds and the
// command line build every container with it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qvdfgen {

struct Thumbnail {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::vector<std::int8_t> pixels;        // width x height, first row at the bottom
    std::optional<std::uint32_t> sizeField; // replaces the record's size (e.g. 0)
};

struct Image {
    std::string channelName = "Height"; // at offset 120 of the definition, at most 31 bytes
    bool hasDefinition = true;          // an "IDEF" record in the group
    std::optional<Thumbnail> thumbnail; // a "THMB" entry in the image table and its record
    std::uint32_t dataBytes = 0;        // a "DATA" record of that many bytes after the definition
    bool entryCrcZero = false;          // this image's table-of-contents entry carries crc 0
};

struct ContainerSpec {
    std::vector<Image> images;
    std::optional<std::string> notes; // the text of a "TEXT" record, listed by "TTOC"/"TOFF"
    std::uint16_t textMisc = 0;       // the TEXT record's misc field; non-zero hides the notes
    std::uint32_t spareEntries = 0;   // unused (all-zero) entries after the images' entries
    std::uint32_t tailBytes = 0;      // zero bytes at the end of the file
};

// Where the writer put each record, for tests that patch or check bytes.
struct Layout {
    std::uint64_t toc = 16;                 // the "FTOC" table header
    std::vector<std::uint64_t> tocEntries;  // one per image
    std::vector<std::uint64_t> images;      // the "IMAG" group records
    std::vector<std::uint64_t> definitions; // 0 without one
    std::vector<std::uint64_t> thumbnails;  // the "THMB" records, 0 without one
    std::uint64_t textTable = 0;            // "TTOC", 0 without notes
    std::uint64_t textOffsetEntry = 0;      // "TOFF"
    std::uint64_t text = 0;                 // "TEXT"
};

// CRC-32 of IEEE 802.3 (reflected polynomial 0xEDB88320, start 0xFFFFFFFF, result complemented).
std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t count);

std::vector<std::uint8_t> BuildContainer(const ContainerSpec& containerSpec, Layout* layout = nullptr);
bool WriteContainerFile(const std::string& path, const ContainerSpec& containerSpec);

// Patches for damaged fixtures: little-endian numbers at an offset, and a record's crc recomputed
// over its size.
void Put16(std::vector<std::uint8_t>* bytes, std::uint64_t offset, std::uint16_t value);
void Put32(std::vector<std::uint8_t>* bytes, std::uint64_t offset, std::uint32_t value);
void Put64(std::vector<std::uint8_t>* bytes, std::uint64_t offset, std::uint64_t value);

} // namespace qvdfgen
