#include "shellext/CFileByteSource.h"

#include "ibw/IBWFileIO.h"

#include <algorithm>

CFileByteSource::CFileByteSource(const std::filesystem::path& path) {
    std::FILE* file = nullptr;
#ifdef _WIN32
    const int opened = IBWFileOpen(path.wstring(), false, &file);
#else
    const int opened = IBWFileOpen(path.string(), false, &file);
#endif
    if (opened != kIBWFileOK) {
        return;
    }
    std::int64_t end = 0;
    if (IBWFileEndPosition(file, &end) != kIBWFileOK || end < 0) {
        IBWFileClose(file);
        return;
    }
    m_file = file;
    m_size = static_cast<std::uint64_t>(end);
}

CFileByteSource::~CFileByteSource() {
    if (m_file != nullptr) {
        IBWFileClose(m_file);
    }
}

std::size_t CFileByteSource::ReadAt(std::uint64_t offset, std::size_t count, void* buffer) {
    if (m_file == nullptr || offset >= m_size || count == 0) {
        return 0;
    }
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(count, m_size - offset));
    std::size_t got = 0;
    if (IBWFileSetPosition(m_file, static_cast<std::int64_t>(offset), kIBWFromStart) != kIBWFileOK ||
        IBWFileRead(m_file, wanted, buffer, &got) != kIBWFileOK) {
        return 0;
    }
    return got;
}
