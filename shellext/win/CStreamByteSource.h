// A stream the shell hands over (IInitializeWithStream) as a byte source, so the readers serve it
// as they serve a path. Holds a reference to the stream; every read seeks first.
#pragma once

#include "shellext/CByteSource.h"

#include <windows.h>

#include <objidl.h>

class CStreamByteSource : public CByteSource {
public:
    explicit CStreamByteSource(IStream* stream);
    ~CStreamByteSource() override;

    std::uint64_t Size() const override { return m_size; }
    std::size_t ReadAt(std::uint64_t offset, std::size_t count, void* buffer) override;

private:
    IStream* m_stream;
    std::uint64_t m_size = 0;
};
