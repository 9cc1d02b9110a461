#include "shellext/QVDFFile.h"

#include <algorithm>

bool AddWithin(std::uint64_t a, std::uint64_t b, std::uint64_t limit, std::uint64_t* sum) {
    if (a > limit || b > limit - a) {
        return false;
    }
    *sum = a + b;
    return true;
}

bool QVDFFile::Open(const std::filesystem::path& path) {
    m_file.open(path, std::ios::binary);
    return m_file && Open(m_file);
}

bool QVDFFile::Open(std::istream& stream) {
    m_stream = &stream;
    m_stream->seekg(0, std::ios::end);
    std::streamoff end = m_stream->tellg();
    if (end < 0) {
        return false;
    }
    m_size = static_cast<std::uint64_t>(end);
    m_visitsLeft = std::min(kMinVisits + m_size / 2, kMaxVisits);
    return true;
}

std::size_t QVDFFile::ReadAt(std::uint64_t offset, std::size_t count, void* buffer) {
    if (offset >= m_size || count == 0) {
        return 0;
    }
    std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(count, m_size - offset));
    m_stream->clear();
    m_stream->seekg(static_cast<std::streamoff>(offset));
    m_stream->read(static_cast<char*>(buffer), static_cast<std::streamsize>(wanted));
    std::streamsize got = m_stream->gcount();
    m_stream->clear();
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

bool QVDFFile::Visit() {
    if (m_visitsLeft == 0) {
        return false;
    }
    --m_visitsLeft;
    return true;
}

bool QVDFFile::ReadHeader(std::uint64_t offset, QVDFRecordHeader* header) {
    std::uint8_t bytes[kQVDFRecordHeaderSize];
    if (!Visit() || ReadAt(offset, sizeof(bytes), bytes) != sizeof(bytes)) {
        return false;
    }
    *header = ParseQVDFRecordHeader(bytes);
    return true;
}

bool QVDFFile::ReadTableHeader(std::uint64_t offset, QVDFTableHeader* table) {
    std::uint8_t bytes[kQVDFTableHeaderSize];
    if (!Visit() || ReadAt(offset, sizeof(bytes), bytes) != sizeof(bytes)) {
        return false;
    }
    *table = ParseQVDFTableHeader(bytes);
    return true;
}
