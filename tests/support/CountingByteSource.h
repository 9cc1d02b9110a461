// A byte source that counts what is asked of another: the calls and the bytes they return, to
// show how little of a file a reader touches.
#pragma once

#include "shellext/CByteSource.h"

#include <cstdint>
#include <memory>

class CCountingByteSource : public CByteSource {
public:
    explicit CCountingByteSource(std::shared_ptr<CByteSource> inner) : m_inner(std::move(inner)) {}

    std::uint64_t Size() const override { return m_inner->Size(); }
    std::size_t ReadAt(std::uint64_t offset, std::size_t count, void* buffer) override {
        const std::size_t got = m_inner->ReadAt(offset, count, buffer);
        ++calls;
        bytes += got;
        return got;
    }

    std::uint64_t calls = 0;
    std::uint64_t bytes = 0;

private:
    std::shared_ptr<CByteSource> m_inner;
};
