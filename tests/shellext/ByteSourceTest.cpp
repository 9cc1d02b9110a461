// The byte sources the readers share: a file by its path, and the block cache in front of it,
// whose reads must be the file's bytes wherever they fall (across blocks, at and past the end).
#include "shellext/CCachedByteSource.h"
#include "shellext/CFileByteSource.h"
#include "tests/ibw/TestFiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using testfiles::TempFile;

TEST(CFileByteSource, ReadsTheFileAndStopsAtItsEnd) {
    TempFile file(std::vector<std::uint8_t>{1, 2, 3, 4, 5}, ".bin");
    CFileByteSource source(file.path());
    ASSERT_TRUE(source.IsOpen());
    EXPECT_EQ(source.Size(), 5u);
    std::uint8_t bytes[8] = {};
    EXPECT_EQ(source.ReadAt(3, 8, bytes), 2u);
    EXPECT_EQ(bytes[0], 4);
    EXPECT_EQ(bytes[1], 5);
    EXPECT_EQ(source.ReadAt(5, 1, bytes), 0u);
    EXPECT_FALSE(CFileByteSource("/nonexistent/file.bin").IsOpen());
}

TEST(CCachedByteSource, GivesTheFilesBytesWhereverAReadFalls) {
    std::vector<std::uint8_t> content(3 * CCachedByteSource::kBlockSize + 123);
    for (std::size_t i = 0; i < content.size(); ++i) {
        content[i] = static_cast<std::uint8_t>(i * 131 + i / 251);
    }
    TempFile file(content, ".bin");
    CCachedByteSource cached(std::make_unique<CFileByteSource>(file.path()));
    ASSERT_EQ(cached.Size(), content.size());
    const std::size_t block = CCachedByteSource::kBlockSize;
    struct Read {
        std::uint64_t offset;
        std::size_t count;
    };
    // In one block, across two, whole blocks, larger than a block, at the end and past it; again
    // after other blocks pushed the first ones out.
    const std::vector<Read> reads = {{0, 16},
                                     {block - 8, 16},
                                     {block, block},
                                     {10, block + 5},
                                     {3 * block, 200},
                                     {content.size() - 4, 16},
                                     {content.size(), 4},
                                     {2 * block + 7, 40},
                                     {5, 16},
                                     {block - 1, 2}};
    for (int round = 0; round < 2; ++round) {
        for (const Read& r : reads) {
            std::vector<std::uint8_t> got(r.count, 0xEE);
            const std::size_t n = cached.ReadAt(r.offset, r.count, got.data());
            const std::size_t expected =
                r.offset >= content.size() ? 0 : std::min<std::size_t>(r.count, content.size() - r.offset);
            ASSERT_EQ(n, expected) << r.offset << " " << r.count;
            EXPECT_TRUE(std::equal(got.begin(), got.begin() + static_cast<std::ptrdiff_t>(n),
                                   content.begin() + static_cast<std::ptrdiff_t>(r.offset)))
                << r.offset << " " << r.count;
        }
    }
}

} // namespace
