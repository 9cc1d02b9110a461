#include "ibw/IBWStream.h"

#include "ibw/IBWFileIO.h"

#include <algorithm>
#include <cstring>

int IBWStream::Read(std::size_t count, void* buffer, std::size_t* outBytesRead) {
    if (m_file != nullptr) {
        return IBWFileRead(m_file, count, buffer, outBytesRead);
    }
    std::size_t got = 0;
    if (count != 0 && m_position < m_size) {
        // What is left came from a size_t, so it fits one.
        const auto left = static_cast<std::size_t>(m_size - m_position);
        got = std::min(count, left);
        std::memcpy(buffer, m_bytes + m_position, got);
        m_position += static_cast<std::int64_t>(got);
    }
    if (outBytesRead != nullptr) {
        *outBytesRead = got;
    }
    return count == 0 || got != 0 ? kIBWFileOK : kIBWFileEOFError;
}

int IBWStream::GetPosition(std::int64_t* outPosition) {
    if (m_file != nullptr) {
        return IBWFileGetPosition(m_file, outPosition);
    }
    *outPosition = m_position;
    return kIBWFileOK;
}

int IBWStream::SetPosition(std::int64_t position, int mode) {
    if (m_file != nullptr) {
        return IBWFileSetPosition(m_file, position, mode);
    }
    std::int64_t base = 0;
    switch (mode) {
    case kIBWFromStart:
        break;
    case kIBWFromCurrent:
        base = m_position;
        break;
    case kIBWFromEnd:
        base = m_size;
        break;
    default:
        return kIBWFilePosError;
    }
    // Like a file, the position may lie past the end (reads there find nothing), never before 0.
    if (position < -base || (position > 0 && base > INT64_MAX - position)) {
        return kIBWFilePosError;
    }
    m_position = base + position;
    return kIBWFileOK;
}

int IBWStream::EndPosition(std::int64_t* outPosition) {
    if (m_file != nullptr) {
        return IBWFileEndPosition(m_file, outPosition);
    }
    *outPosition = m_size;
    return kIBWFileOK;
}
