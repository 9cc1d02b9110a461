#include "shellext/CQVDFReader.h"

#include "shellext/QVDFSearch.h"
#include "shellext/ShellNoteLimit.h"

#include <algorithm>
#include <cstring>

namespace {

// The first record and the table of contents after it; false when the file is no container.
bool ReadTableOfContents(QVDFFile& file, QVDFTableHeader* toc) {
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
    // The table's whole size, although its entries need 32 bytes less, must lie in the file.
    return toc->header.type != 0 && toc->header.size >= kQVDFRecordHeaderSize &&
           (toc->header.flags & kQVDFTableFlag) && tocBytes != 0 && tocBytes <= file.Size() - sizeof(bytes);
}

// The "IMAG" entries of the table of contents, read one by one where the table lies.
std::vector<QVDFImageEntry> ImageEntries(QVDFFile& file, const QVDFTableHeader& toc) {
    constexpr std::uint64_t kEntriesStart = kQVDFRecordHeaderSize + kQVDFTableHeaderSize;
    const std::uint64_t tocBytes = static_cast<std::uint32_t>(toc.totalSize);
    std::vector<QVDFImageEntry> images;
    const std::uint64_t need = std::max<std::uint64_t>(toc.entrySize, kQVDFTableEntrySize);
    // As many as the table can hold, so the list is never copied while it grows.
    const std::uint64_t room = toc.entrySize == 0 ? 1 : tocBytes / toc.entrySize;
    images.reserve(
        static_cast<std::size_t>(std::min<std::uint64_t>({toc.entryCount, room, CQVDFReader::kMaxImages})));
    for (std::uint64_t i = 0; i < toc.entryCount; ++i) {
        const std::uint64_t at = i * toc.entrySize;
        if (at > tocBytes || tocBytes - at < need) {
            break;
        }
        std::uint8_t entry[kQVDFTableEntrySize];
        if (file.ReadAt(kEntriesStart + at, sizeof(entry), entry) != sizeof(entry)) {
            break;
        }
        QVDFRecordHeader header = ParseQVDFRecordHeader(entry);
        if (header.type == QVDFType("IMAG")) {
            if (images.size() == CQVDFReader::kMaxImages) {
                break;
            }
            QVDFImageEntry image;
            image.imageOffset = ReadLE64(entry + 16);
            images.push_back(image);
        }
        // With a step of 0 every further entry would be this one again.
        if (header.IsEnd() || toc.entrySize == 0) {
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
    const std::uint64_t recordBytes =
        std::min<std::uint64_t>({text.size, file.Size() - textOffset, kQVDFTextStart + kShellNoteBytesMax});
    std::vector<char> record(static_cast<std::size_t>(recordBytes));
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
        image->definitionOffset = definition;
        char name[kQVDFChannelNameMax] = {};
        file.ReadAt(definition + kQVDFChannelNameOffset, sizeof(name), name);
        image->channelName.assign(name, strnlen(name, sizeof(name)));
    }
}

// The thumbnail record's header: a record of another type or of size 0 is no thumbnail.
void ReadThumbnailHeader(QVDFFile& file, QVDFImageEntry* image) {
    std::uint8_t bytes[kQVDFThumbnailHeaderSize];
    if (image->thumbnailOffset == 0 ||
        file.ReadAt(image->thumbnailOffset, sizeof(bytes), bytes) != sizeof(bytes)) {
        return;
    }
    QVDFRecordHeader header = ParseQVDFRecordHeader(bytes);
    if (header.type != QVDFType("THMB") || header.size == 0) {
        return;
    }
    image->thumbnailSize = header.size;
    image->thumbnailHeight = ReadLE16(bytes + 16);
    image->thumbnailWidth = ReadLE16(bytes + 20);
}

} // namespace

bool CQVDFReader::Open(const std::filesystem::path& path) {
    m_file.reset();
    m_images.clear();
    m_notes.clear();
    auto file = std::make_unique<QVDFFile>();
    if (path.empty() || !file->Open(path)) {
        return false;
    }
    return Read(std::move(file));
}

bool CQVDFReader::Open(std::unique_ptr<CByteSource> source) {
    m_file.reset();
    m_images.clear();
    m_notes.clear();
    auto file = std::make_unique<QVDFFile>();
    if (!file->Open(std::move(source))) {
        return false;
    }
    return Read(std::move(file));
}

bool CQVDFReader::Read(std::unique_ptr<QVDFFile> file) {
    QVDFTableHeader toc;
    if (!ReadTableOfContents(*file, &toc)) {
        return false;
    }
    m_images = ImageEntries(*file, toc);
    m_notes = ReadNotes(*file);
    for (QVDFImageEntry& image : m_images) {
        FindImageParts(*file, &image);
        ReadThumbnailHeader(*file, &image);
    }
    m_file = std::move(file);
    return true;
}

bool CQVDFReader::HasThumbnail() const {
    return std::any_of(m_images.begin(), m_images.end(),
                       [](const QVDFImageEntry& image) { return image.thumbnailSize != 0; });
}

const char* CQVDFReader::GetChannelName(int index) const {
    if (index < 0 || index >= GetImageCount()) {
        return nullptr;
    }
    return m_images[static_cast<std::size_t>(index)].channelName.c_str();
}

std::optional<PaletteBitmap> CQVDFReader::GetThumbnailBitmap(int index, ThumbnailSize size) const {
    if (!m_file || index < 0 || index >= GetImageCount()) {
        return std::nullopt;
    }
    const QVDFImageEntry& image = m_images[static_cast<std::size_t>(index)];
    if (image.thumbnailSize == 0) {
        return std::nullopt;
    }
    // A record cut short by the end of the file holds what is there.
    const std::uint64_t record =
        std::min<std::uint64_t>(image.thumbnailSize, m_file->Size() - image.thumbnailOffset);
    const std::int32_t width = image.thumbnailWidth;
    const std::int32_t height = image.thumbnailHeight;
    if (record < kQVDFThumbnailHeaderSize || width <= 0 ||
        (record - kQVDFThumbnailHeaderSize) / static_cast<std::uint64_t>(width) <
            static_cast<std::uint64_t>(height)) {
        return std::nullopt;
    }
    const std::uint64_t pixels = image.thumbnailOffset + kQVDFThumbnailHeaderSize;
    QVDFFile& file = *m_file;
    return RenderPreviewRows(
        width, height,
        [&](std::int32_t row, std::int8_t* values) {
            const std::uint64_t at =
                pixels + static_cast<std::uint64_t>(row) * static_cast<std::uint64_t>(width);
            const std::size_t got = file.ReadAt(at, static_cast<std::size_t>(width), values);
            std::memset(values + got, 0, static_cast<std::size_t>(width) - got);
        },
        size);
}

std::optional<PaletteIcon> CQVDFReader::GetThumbnailIcon(int index, ThumbnailSize size) const {
    return MakeIcon(GetThumbnailBitmap(index, size));
}
