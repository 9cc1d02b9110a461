#include "shellext/QVDFFile.h"

#include "shellext/CCachedByteSource.h"
#include "shellext/CFileByteSource.h"

#include <algorithm>

bool AddWithin(std::uint64_t a, std::uint64_t b, std::uint64_t limit, std::uint64_t* sum) {
    if (a > limit || b > limit - a) {
        return false;
    }
    *sum = a + b;
    return true;
}

bool QVDFFile::Open(const std::filesystem::path& path) {
    m_source.reset();
    m_size = 0;
    auto file = std::make_unique<CFileByteSource>(path);
    if (!file->IsOpen()) {
        return false;
    }
    return Open(std::make_unique<CCachedByteSource>(std::move(file)));
}

bool QVDFFile::Open(std::unique_ptr<CByteSource> source) {
    m_source = std::move(source);
    m_size = 0;
    if (!m_source) {
        return false;
    }
    m_size = m_source->Size();
    m_visitsLeft = std::min(kMinVisits + m_size / 2, kMaxVisits);
    return true;
}

std::size_t QVDFFile::ReadAt(std::uint64_t offset, std::size_t count, void* buffer) {
    if (!m_source || offset >= m_size || count == 0) {
        return 0;
    }
    return m_source->ReadAt(offset, count, buffer);
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
