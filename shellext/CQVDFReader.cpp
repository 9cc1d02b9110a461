#include "shellext/CQVDFReader.h"

#include "shellext/QVDFFile.h"
#include "shellext/QVDFSearch.h"

#include <algorithm>
#include <cstring>

namespace {

QVDFImageEntry EmptyImage(std::uint64_t imageOffset) {
    QVDFImageEntry image;
    image.imageOffset = imageOffset;
    std::uint8_t* d = image.definition.data();
    d[4] = static_cast<std::uint8_t>(kQVDFImageDefinitionSize);
    std::memcpy(d + 8, "IDEF", 4);
    return image;
}

// The first 48 bytes and the table of contents after them; false when the file is no container.
bool ReadTableOfContents(QVDFFile& file, QVDFTableHeader* toc, std::vector<std::uint8_t>* entries) {
    std::uint8_t bytes[kQVDFRecordHeaderSize + kQVDFTableHeaderSize];
    if (file.ReadAt(0, kQVDFRecordHeaderSize, bytes) != kQVDFRecordHeaderSize) {
        return false;
    }
    QVDFRecordHeader header = ParseQVDFRecordHeader(bytes);
    const bool good = header.type != 0 && header.size >= kQVDFRecordHeaderSize;
    if (file.ReadAt(kQVDFRecordHeaderSize, kQVDFTableHeaderSize, bytes + kQVDFRecordHeaderSize) !=
            kQVDFTableHeaderSize ||
        !good) {
        return false;
    }
    *toc = ParseQVDFTableHeader(bytes + kQVDFRecordHeaderSize);
    const std::uint32_t tocBytes = static_cast<std::uint32_t>(toc->totalSize);
    if (toc->header.type == 0 || toc->header.size < kQVDFRecordHeaderSize ||
        !(toc->header.flags & kQVDFTableFlag) || tocBytes == 0) {
        return false;
    }
    // The buffer is the table's whole size although its entries need 32 bytes less; a file that
    // cannot hold it is refused before anything is allocated.
    if (tocBytes > file.Size() - sizeof(bytes)) {
        return false;
    }
    entries->resize(tocBytes);
    return file.ReadAt(sizeof(bytes), tocBytes, entries->data()) == tocBytes;
}

std::vector<QVDFImageEntry> ImageEntries(const QVDFTableHeader& toc,
                                         const std::vector<std::uint8_t>& entries) {
    std::vector<QVDFImageEntry> images;
    const std::uint64_t need = std::max<std::uint64_t>(toc.entrySize, kQVDFTableEntrySize);
    for (std::uint64_t i = 0; i < toc.entryCount; ++i) {
        const std::uint64_t at = i * toc.entrySize;
        if (at > entries.size() || entries.size() - at < need) {
            break;
        }
        QVDFRecordHeader entry = ParseQVDFRecordHeader(entries.data() + at);
        if (entry.type == QVDFType("IMAG")) {
            if (images.size() == CQVDFReader::kMaxImages) {
                break;
            }
            images.push_back(EmptyImage(ReadLE64(entries.data() + at + 16)));
        }
        // With a step of 0 every further entry would be this one again.
        if (entry.IsEnd() || toc.entrySize == 0) {
            break;
        }
    }
    return images;
}

QVDFNotes ReadNotes(QVDFFile& file) {
    std::uint64_t textTable = FindTopLevelRecord(file, 0, QVDFType("TTOC"));
    if (textTable == 0) {
        return {};
    }
    std::uint64_t offsetEntry = FindRecord(file, false, textTable, QVDFType("TOFF"), 0, 0);
    std::uint8_t entry[kQVDFTextOffsetEntrySize];
    if (offsetEntry == 0 || file.ReadAt(offsetEntry, sizeof(entry), entry) != sizeof(entry) ||
        ParseQVDFRecordHeader(entry).type != QVDFType("TOFF")) {
        return {};
    }
    const std::uint64_t textOffset = ReadLE64(entry + 24);
    QVDFRecordHeader text;
    if (textOffset == 0 || !file.ReadHeader(textOffset, &text) || text.type != QVDFType("TEXT") ||
        text.misc != 0 || text.size <= kQVDFTextStart) {
        return {};
    }
    // A record cut short by the end of the file gives the notes of what is there.
    std::vector<char> record(
        static_cast<std::size_t>(std::min<std::uint64_t>(text.size, file.Size() - textOffset)));
    std::size_t got = file.ReadAt(textOffset, record.size(), record.data());
    if (got <= kQVDFTextStart) {
        return {};
    }
    return ParseTextNotes(record.data() + kQVDFTextStart, got - kQVDFTextStart);
}

void FindImageParts(QVDFFile& file, QVDFImageEntry* image) {
    std::uint8_t bytes[kQVDFTableHeaderSize];
    if (file.ReadAt(image->imageOffset, sizeof(bytes), bytes) != sizeof(bytes)) {
        return;
    }
    QVDFTableHeader table = ParseQVDFTableHeader(bytes);
    if (table.header.type != QVDFType("IMAG")) {
        return;
    }
    image->thumbnailOffset =
        FindRecord(file, true, image->imageOffset, QVDFType("THMB"), table.entryCount, table.entrySize);
    std::uint64_t definition =
        FindRecord(file, false, image->imageOffset, QVDFType("IDEF"), table.entryCount, table.entrySize);
    if (definition != 0 && definition < file.Size()) {
        std::array<std::uint8_t, kQVDFImageDefinitionSize> read{};
        std::size_t got = file.ReadAt(definition, read.size(), read.data());
        std::copy_n(read.begin(), got, image->definition.begin());
    }
    const char* name = reinterpret_cast<const char*>(image->definition.data() + kQVDFChannelNameOffset);
    image->channelName.assign(name, strnlen(name, kQVDFChannelNameMax));
}

// Thumbnails held together never take more than the file's size, however many images share one.
void ReadThumbnail(QVDFFile& file, std::uint64_t* budget, QVDFImageEntry* image) {
    std::uint8_t bytes[kQVDFThumbnailHeaderSize];
    if (image->thumbnailOffset == 0 ||
        file.ReadAt(image->thumbnailOffset, sizeof(bytes), bytes) != sizeof(bytes)) {
        return;
    }
    QVDFRecordHeader header = ParseQVDFRecordHeader(bytes);
    if (header.type != QVDFType("THMB") || header.size == 0) {
        return;
    }
    const std::uint64_t length = std::min<std::uint64_t>(header.size, file.Size() - image->thumbnailOffset);
    if (length > *budget) {
        return;
    }
    *budget -= length;
    image->thumbnail.resize(static_cast<std::size_t>(length));
    image->thumbnail.resize(
        file.ReadAt(image->thumbnailOffset, image->thumbnail.size(), image->thumbnail.data()));
}

} // namespace

bool CQVDFReader::Open(const std::filesystem::path& path) {
    m_path = path;
    m_images.clear();
    m_notes.clear();
    QVDFFile file;
    return !path.empty() && file.Open(path) && Read(file);
}

bool CQVDFReader::Open(std::istream& stream) {
    m_path.clear();
    m_images.clear();
    m_notes.clear();
    QVDFFile file;
    return file.Open(stream) && Read(file);
}

bool CQVDFReader::Read(QVDFFile& file) {
    QVDFTableHeader toc;
    std::vector<std::uint8_t> entries;
    if (!ReadTableOfContents(file, &toc, &entries)) {
        return false;
    }
    m_images = ImageEntries(toc, entries);
    entries = {};
    m_notes = ReadNotes(file);
    for (QVDFImageEntry& image : m_images) {
        FindImageParts(file, &image);
    }
    std::uint64_t thumbnailBudget = file.Size();
    for (QVDFImageEntry& image : m_images) {
        ReadThumbnail(file, &thumbnailBudget, &image);
    }
    return true;
}

bool CQVDFReader::HasThumbnail() const {
    return std::any_of(m_images.begin(), m_images.end(),
                       [](const QVDFImageEntry& image) { return !image.thumbnail.empty(); });
}

const char* CQVDFReader::GetChannelName(int index) const {
    if (index < 0 || index >= GetImageCount()) {
        return nullptr;
    }
    return m_images[static_cast<std::size_t>(index)].channelName.c_str();
}

std::optional<PaletteBitmap> CQVDFReader::GetThumbnailBitmap(int index, ThumbnailSize size) const {
    if (index < 0 || index >= GetImageCount()) {
        return std::nullopt;
    }
    const std::vector<std::uint8_t>& record = m_images[static_cast<std::size_t>(index)].thumbnail;
    if (record.size() < kQVDFThumbnailHeaderSize) {
        return std::nullopt;
    }
    const std::int32_t height = ReadLE16(record.data() + 16);
    const std::int32_t width = ReadLE16(record.data() + 20);
    std::span<const std::int8_t> pixels(reinterpret_cast<const std::int8_t*>(record.data()) +
                                            kQVDFThumbnailHeaderSize,
                                        record.size() - kQVDFThumbnailHeaderSize);
    // RenderPreviewImage refuses data shorter than width x height.
    return RenderPreviewImage(width, height, pixels, size);
}

std::optional<PaletteIcon> CQVDFReader::GetThumbnailIcon(int index, ThumbnailSize size) const {
    return MakeIcon(GetThumbnailBitmap(index, size));
}
