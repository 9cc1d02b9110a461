#include "tools/qvdfgen/QvdfGen.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace qvdfgen {

namespace {

constexpr std::uint16_t kTable = 0x0001;
constexpr std::uint16_t kGroup = 0x0002;

// Appends records and remembers which of them get a crc once every byte is in place.
class Writer {
public:
    std::uint64_t Record(const char* type, std::uint32_t size, std::uint16_t flags,
                         std::uint32_t bodyBytes = 0, std::uint16_t misc = 0, bool crc = true) {
        std::uint64_t at = m_bytes.size();
        m_bytes.resize(m_bytes.size() + std::max<std::uint32_t>(size, 16) + bodyBytes, 0);
        Put32(&m_bytes, at + 4, size);
        std::memcpy(m_bytes.data() + at + 8, type, 4);
        Put16(&m_bytes, at + 12, misc);
        Put16(&m_bytes, at + 14, flags);
        if (crc) {
            m_crcRecords.emplace_back(at, size);
        }
        return at;
    }
    std::uint64_t Table(const char* type, std::uint16_t flags, std::uint32_t entryCount,
                        std::uint32_t entrySize) {
        std::uint64_t at = Record(type, 32, flags);
        Put64(&m_bytes, at + 16, 32 + std::uint64_t{entryCount} * entrySize);
        Put32(&m_bytes, at + 24, entryCount);
        Put32(&m_bytes, at + 28, entrySize);
        return at;
    }
    void Zeros(std::uint32_t count) { m_bytes.resize(m_bytes.size() + count, 0); }
    std::vector<std::uint8_t>& Bytes() { return m_bytes; }
    std::vector<std::uint8_t> Finish() {
        for (auto [at, size] : m_crcRecords) {
            Put32(&m_bytes, at, Crc32(m_bytes.data() + at + 4, size - 4));
        }
        return std::move(m_bytes);
    }

private:
    std::vector<std::uint8_t> m_bytes;
    std::vector<std::pair<std::uint64_t, std::uint32_t>> m_crcRecords;
};

} // namespace

void Put16(std::vector<std::uint8_t>* bytes, std::uint64_t offset, std::uint16_t value) {
    for (int i = 0; i < 2; ++i) {
        (*bytes)[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void Put32(std::vector<std::uint8_t>* bytes, std::uint64_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        (*bytes)[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void Put64(std::vector<std::uint8_t>* bytes, std::uint64_t offset, std::uint64_t value) {
    for (int i = 0; i < 8; ++i) {
        (*bytes)[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::vector<std::uint8_t> BuildContainer(const ContainerSpec& containerSpec, Layout* layout) {
    Layout where;
    Writer w;
    w.Record("QVDF", 16, 0);
    const auto imageCount = static_cast<std::uint32_t>(containerSpec.images.size());
    where.toc = w.Table("FTOC", kTable, imageCount + containerSpec.spareEntries, 24);
    for (const Image& image : containerSpec.images) {
        where.tocEntries.push_back(w.Record("IMAG", 24, 0, 0, 0, !image.entryCrcZero));
    }
    w.Zeros(24 * containerSpec.spareEntries);

    // The notes come before the images: the top-level walk gives up when a record is followed by
    // less than its own size, which a large last thumbnail would be.
    if (containerSpec.notes) {
        where.textTable = w.Table("TTOC", kTable, 1, 32);
        where.textOffsetEntry = w.Record("TOFF", 32, 0);
        const auto length = static_cast<std::uint32_t>(containerSpec.notes->size());
        where.text = w.Record("TEXT", 24 + length, 0, 0, containerSpec.textMisc);
        std::memcpy(w.Bytes().data() + where.text + 24, containerSpec.notes->data(), length);
        Put64(&w.Bytes(), where.textOffsetEntry + 24, where.text);
    }

    for (std::size_t i = 0; i < containerSpec.images.size(); ++i) {
        const Image& image = containerSpec.images[i];
        const std::uint64_t group = w.Table("IMAG", kTable | kGroup, 1, 24);
        // The image table's one entry points at the thumbnail, or at the data when there is none.
        const std::uint64_t entry = w.Record(image.thumbnail ? "THMB" : "DATA", 24, 0);
        std::uint64_t definition = 0;
        if (image.hasDefinition) {
            definition = w.Record("IDEF", 184, 0);
            std::string name = image.channelName.substr(0, 31);
            std::memcpy(w.Bytes().data() + definition + 120, name.data(), name.size());
        }
        if (image.dataBytes > 0) {
            std::uint64_t data = w.Record("DATA", 16 + image.dataBytes, 0);
            if (!image.thumbnail) {
                Put64(&w.Bytes(), entry + 16, data);
            }
        }
        std::uint64_t thumbnail = 0;
        if (image.thumbnail) {
            const Thumbnail& t = *image.thumbnail;
            const std::uint32_t pixels = std::uint32_t{t.width} * t.height;
            thumbnail = w.Record("THMB", 32 + pixels, 0);
            Put16(&w.Bytes(), thumbnail + 16, t.height);
            Put16(&w.Bytes(), thumbnail + 20, t.width);
            std::memcpy(w.Bytes().data() + thumbnail + 32, t.pixels.data(),
                        std::min<std::size_t>(pixels, t.pixels.size()));
            Put64(&w.Bytes(), entry + 16, thumbnail);
        }
        Put64(&w.Bytes(), where.tocEntries[i] + 16, group);
        where.images.push_back(group);
        where.definitions.push_back(definition);
        where.thumbnails.push_back(thumbnail);
    }
    w.Zeros(containerSpec.tailBytes);

    std::vector<std::uint8_t> bytes = w.Finish();
    // Size fields that replace the true ones are written after the crc, as a damaged file has them.
    for (std::size_t i = 0; i < containerSpec.images.size(); ++i) {
        const std::optional<Thumbnail>& t = containerSpec.images[i].thumbnail;
        if (t && t->sizeField) {
            Put32(&bytes, where.thumbnails[i] + 4, *t->sizeField);
        }
    }
    if (layout) {
        *layout = where;
    }
    return bytes;
}

bool WriteContainerFile(const std::string& path, const ContainerSpec& containerSpec) {
    std::vector<std::uint8_t> bytes = BuildContainer(containerSpec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

} // namespace qvdfgen
