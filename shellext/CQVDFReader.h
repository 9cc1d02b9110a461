// A QVDF container as the shell shows it: its images with their channel names and thumbnails,
// and its text notes. Open reads the table of contents, each image's parts and the notes; a
// thumbnail's pixels are read when it is drawn, so only the picture asked for is ever held. The
// file stays open with the reader.
#pragma once

#include "shellext/MakeIcon.h"
#include "shellext/ParseTextNotes.h"
#include "shellext/QVDFFile.h"
#include "shellext/QVDFRecords.h"
#include "shellext/RenderPreviewImage.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

class CQVDFReader {
public:
    // Limits on what a damaged file can make the reader hold.
    static constexpr std::size_t kMaxImages = 65536;

    CQVDFReader() = default;
    explicit CQVDFReader(const std::filesystem::path& path) { Open(path); }
    virtual ~CQVDFReader() = default;
    CQVDFReader(CQVDFReader&&) = default;
    CQVDFReader& operator=(CQVDFReader&&) = default;

    // True when the file table of contents was read; images, notes and thumbnails may still be
    // missing. An empty path reads nothing.
    bool Open(const std::filesystem::path& path);
    // The same through the given source (memory's, a stream's).
    bool Open(std::unique_ptr<CByteSource> source);

    int GetImageCount() const { return static_cast<int>(m_images.size()); }
    bool HasThumbnail() const;
    const char* GetChannelName(int index) const; // null outside 0..count-1
    // The image's thumbnail at the size (cx 0: its own size); none without a whole thumbnail.
    std::optional<PaletteBitmap> GetThumbnailBitmap(int index, ThumbnailSize size) const;
    std::optional<PaletteIcon> GetThumbnailIcon(int index, ThumbnailSize size) const;
    const QVDFNotes& GetNotes() const { return m_notes; }
    const std::vector<QVDFImageEntry>& GetImages() const { return m_images; }

private:
    bool Read(std::unique_ptr<QVDFFile> file);

    std::unique_ptr<QVDFFile> m_file;
    QVDFNotes m_notes;
    std::vector<QVDFImageEntry> m_images;
};
