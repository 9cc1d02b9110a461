#include "shellext/CCachedByteSource.h"

#include <algorithm>
#include <cstring>

CCachedByteSource::CCachedByteSource(std::unique_ptr<CByteSource> inner) : m_inner(std::move(inner)) {}

const CCachedByteSource::Block& CCachedByteSource::BlockAt(std::uint64_t index) {
    ++m_uses;
    for (Block& block : m_blocks) {
        if (block.index == index) {
            block.lastUse = m_uses;
            return block;
        }
    }
    Block& oldest = *std::min_element(m_blocks.begin(), m_blocks.end(),
                                      [](const Block& a, const Block& b) { return a.lastUse < b.lastUse; });
    oldest.index = index;
    oldest.lastUse = m_uses;
    oldest.bytes.resize(kBlockSize);
    oldest.bytes.resize(m_inner->ReadAt(index * kBlockSize, kBlockSize, oldest.bytes.data()));
    return oldest;
}

std::size_t CCachedByteSource::ReadAt(std::uint64_t offset, std::size_t count, void* buffer) {
    if (count > kBlockSize) {
        return m_inner->ReadAt(offset, count, buffer);
    }
    auto* out = static_cast<std::uint8_t*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const std::uint64_t at = offset + done;
        if (at < offset || at >= Size()) {
            break;
        }
        const Block& block = BlockAt(at / kBlockSize);
        const auto inBlock = static_cast<std::size_t>(at % kBlockSize);
        if (inBlock >= block.bytes.size()) {
            break;
        }
        const std::size_t n = std::min(count - done, block.bytes.size() - inBlock);
        std::memcpy(out + done, block.bytes.data() + inBlock, n);
        done += n;
    }
    return done;
}
