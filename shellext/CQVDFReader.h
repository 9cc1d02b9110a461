// A QVDF container as the shell shows it: its images with their definitions and thumbnails, and
// its text notes. Everything is read by Open; the file is closed again before it returns.
#pragma once

#include "shellext/MakeIcon.h"
#include "shellext/ParseTextNotes.h"
#include "shellext/QVDFRecords.h"
#include "shellext/RenderPreviewImage.h"

#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <vector>

class QVDFFile;

class CQVDFReader {
public:
    // Limits on what a damaged file can make the reader hold.
    static constexpr std::size_t kMaxImages = 65536;

    CQVDFReader() = default;
    explicit CQVDFReader(const std::filesystem::path& path) { Open(path); }
    virtual ~CQVDFReader() = default;

    // True when the file table of contents was read; images, notes and thumbnails may still be
    // missing. An empty path reads nothing.
    bool Open(const std::filesystem::path& path);
    // The same on a container's bytes in a stream the caller keeps (a file's, or memory's).
    bool Open(std::istream& stream);

    int GetImageCount() const { return static_cast<int>(m_images.size()); }
    bool HasThumbnail() const;
    const char* GetChannelName(int index) const; // null outside 0..count-1
    // The image's thumbnail at the size (cx 0: its own size); none without a whole thumbnail.
    std::optional<PaletteBitmap> GetThumbnailBitmap(int index, ThumbnailSize size) const;
    std::optional<PaletteIcon> GetThumbnailIcon(int index, ThumbnailSize size) const;
    const QVDFNotes& GetNotes() const { return m_notes; }
    const std::vector<QVDFImageEntry>& GetImages() const { return m_images; }

private:
    bool Read(QVDFFile& file);

    std::filesystem::path m_path;
    QVDFNotes m_notes;
    std::vector<QVDFImageEntry> m_images;
};
