// The thumbnailer's PNG: indexed colours, the palette and the top row first.
#include "shellext/linux/WritePalettePng.h"
#include "tests/ibw/TestFiles.h"

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>

namespace {

TEST(WritePalettePng, WritesTheTopRowFirstWithThePalette) {
    PaletteBitmap bitmap;
    ASSERT_TRUE(PaletteBitmap::Create(3, 2, PreviewPalette(), &bitmap));
    bitmap.pixels[0] = 10;  // bottom row, left
    bitmap.pixels[4] = 200; // top row, left
    const std::string path = testfiles::TempPath(".png");
    ASSERT_TRUE(WritePalettePng(bitmap, path));

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_NE(png_image_begin_read_from_file(&image, path.c_str()), 0);
    EXPECT_EQ(image.width, 3u);
    EXPECT_EQ(image.height, 2u);
    EXPECT_NE(image.format & PNG_FORMAT_FLAG_COLORMAP, 0u);
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_NE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr), 0);
    std::filesystem::remove(path);
    EXPECT_EQ(rgb[0], 200); // first PNG row is the top row
    EXPECT_EQ(rgb[9], 10);
    EXPECT_EQ(rgb[10], 10);
}

} // namespace
