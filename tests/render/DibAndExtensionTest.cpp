// The bitmap header layout and the whole-word extension test.
#include "BufferObjects.h"
#include "DibLayout.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
std::uint32_t Read32(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint32_t v = 0;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}
} // namespace

TEST(DibLayout, HeadersRowsAndOffsets) {
    EXPECT_EQ(DibRowSize(1), 4u);
    EXPECT_EQ(DibRowSize(4), 12u);
    EXPECT_EQ(DibRowSize(5), 16u);

    const std::vector<std::uint8_t> file = MakeDibBuffer(5, 3, false);
    ASSERT_EQ(file.size(), 54u + 16u * 3u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Read32(file, 2), 0u); // file size left 0
    EXPECT_EQ(Read32(file, 10), 54u);
    EXPECT_EQ(Read32(file, 14), 40u);
    EXPECT_EQ(Read32(file, 18), 5u);
    EXPECT_EQ(Read32(file, 22), 3u); // positive: bottom-up
    EXPECT_EQ(file[26] | file[27] << 8, 1);
    EXPECT_EQ(file[28] | file[29] << 8, 24);
    EXPECT_EQ(Read32(file, 30), 0u);
    EXPECT_EQ(Read32(file, 34), 48u);

    const std::vector<std::uint8_t> info = MakeDibBuffer(1, 2, true);
    ASSERT_EQ(info.size(), 40u + 8u);
    EXPECT_EQ(Read32(info, 0), 40u);
    EXPECT_EQ(Read32(info, 20), 8u);
    EXPECT_EQ(DibPixelOffset(true), 40u);
    EXPECT_EQ(DibPixelOffset(false), 54u);
}

TEST(HasExtension, WholeWordsOnly) {
    const char* name = "GL_ARB_vertex_buffer_object";
    EXPECT_TRUE(HasExtension("GL_ARB_vertex_buffer_object", name));
    EXPECT_TRUE(HasExtension("GL_A GL_ARB_vertex_buffer_object GL_B", name));
    EXPECT_FALSE(HasExtension("GL_ARB_vertex_buffer_object_extra GL_B", name));
    EXPECT_FALSE(HasExtension("XGL_ARB_vertex_buffer_object", name));
    EXPECT_FALSE(HasExtension(nullptr, name));
}
