// A few blocks of another source kept in memory: the QVDF walks read one small header after
// another, mostly near the last one, and each would otherwise be a system call (a seek discards
// the C library's buffer).
#pragma once

#include "shellext/CByteSource.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class CCachedByteSource : public CByteSource {
public:
    static constexpr std::size_t kBlockSize = 64 * 1024;
    static constexpr std::size_t kBlocks = 4;

    explicit CCachedByteSource(std::unique_ptr<CByteSource> inner);

    std::uint64_t Size() const override { return m_inner->Size(); }
    // Reads larger than a block go to the source directly.
    std::size_t ReadAt(std::uint64_t offset, std::size_t count, void* buffer) override;

private:
    struct Block {
        std::uint64_t index = UINT64_MAX;
        std::uint64_t lastUse = 0;
        std::vector<std::uint8_t> bytes; // fewer than kBlockSize at the end of the source
    };
    const Block& BlockAt(std::uint64_t index);

    std::unique_ptr<CByteSource> m_inner;
    std::array<Block, kBlocks> m_blocks;
    std::uint64_t m_uses = 0;
};
