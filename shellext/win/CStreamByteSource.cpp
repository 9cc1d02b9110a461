#include "shellext/win/CStreamByteSource.h"

#include <algorithm>
#include <climits>

CStreamByteSource::CStreamByteSource(IStream* stream) : m_stream(stream) {
    if (!m_stream) {
        return;
    }
    m_stream->AddRef();
    STATSTG status{};
    if (SUCCEEDED(m_stream->Stat(&status, STATFLAG_NONAME))) {
        m_size = status.cbSize.QuadPart;
        return;
    }
    // Streams that keep no statistics still know where they end.
    ULARGE_INTEGER end{};
    if (SUCCEEDED(m_stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_END, &end))) {
        m_size = end.QuadPart;
    }
}

CStreamByteSource::~CStreamByteSource() {
    if (m_stream) {
        m_stream->Release();
    }
}

std::size_t CStreamByteSource::ReadAt(std::uint64_t offset, std::size_t count, void* buffer) {
    if (!m_stream || offset >= m_size || count == 0) {
        return 0;
    }
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    if (FAILED(m_stream->Seek(at, STREAM_SEEK_SET, nullptr))) {
        return 0;
    }
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(count, m_size - offset));
    // A stream may give fewer bytes than asked before its end.
    while (done < wanted) {
        const ULONG ask = static_cast<ULONG>(std::min<std::size_t>(wanted - done, ULONG_MAX));
        ULONG got = 0;
        if (FAILED(m_stream->Read(out + done, ask, &got)) || got == 0) {
            break;
        }
        done += got;
    }
    return done;
}
