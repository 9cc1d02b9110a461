// The picture formats, the extension rule and the bitmap conversion of Export..., Copy and printing.
#include "app/QV3DViewer/output/DibImage.h"
#include "app/QV3DViewer/output/ImageFormats.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(ImageFormats, FilterListInDialogOrder) {
    EXPECT_EQ(ImageFilterList(), QStringLiteral("JPEG Files (*.jpg *.jpeg);;PNG Files (*.png);;TIF Files "
                                                "(*.tif);;BMP Files (*.bmp)"));
    EXPECT_STREQ(ImageFormatForIndex(1).label, "JPEG Files (*.jpg;*.jpeg)");
    EXPECT_STREQ(ImageFormatForIndex(1).pattern, "*.jpg");
    for (const ImageFormat& format : ImageFormats()) {
        EXPECT_EQ(ImageFormatForFilter(ImageFilterText(format.index)), format.index);
    }
    EXPECT_EQ(ImageFormatForFilter(QStringLiteral("All Files (*)")), 1);
    // Any other index is JPEG.
    EXPECT_STREQ(ImageFormatForIndex(0).writerFormat, "jpeg");
    EXPECT_STREQ(ImageFormatForIndex(5).extension, ".jpg");
}

TEST(ImageFormats, ExtensionRule) {
    struct Case {
        const char* typed;
        int format;
        const char* written;
    };
    const Case cases[] = {
        {"/data/scan", 2, "/data/scan.png"},
        {"/data/scan.png.old", 2, "/data/scan.png.old"}, // ".png" occurs in it
        {"/data/scan.PNG", 2, "/data/scan.PNG.png"},     // case-sensitive
        {"/data/scan", 1, "/data/scan.jpg"},
        {"/data/scan.jpeg", 1, "/data/scan.jpeg.jpg"},
        {"/data/scan.tif", 3, "/data/scan.tif"},
        {"/data/scan.tiff", 3, "/data/scan.tiff"},
        {"/data/scan.bmp", 4, "/data/scan.bmp"},
        {"/data/scan.png", 4, "/data/scan.png.bmp"},
        {"/data/scan", 0, "/data/scan.jpg"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ApplyImageExtension(QString::fromLatin1(c.typed), c.format), QString::fromLatin1(c.written))
            << c.typed << " format " << c.format;
    }
}

TEST(ImageFormats, FormatOfABatchPath) {
    const std::pair<const char*, int> cases[] = {{"a.png", 2}, {"a.PNG", 2},  {"a.jpg", 1}, {"a.jpeg", 1},
                                                 {"a.tif", 3}, {"a.tiff", 3}, {"a.bmp", 4}, {"a.gif", 0},
                                                 {"a", 0},     {"png", 0}};
    for (const auto& [path, format] : cases) {
        EXPECT_EQ(ImageFormatForPath(QString::fromLatin1(path)), format) << path;
    }
}

// A bottom-up bitmap with a 40-byte info header whose pixel (x, y from the top) is given by `rgb`.
std::vector<std::uint8_t> MakeDib(int width, int height, std::uint32_t (*rgb)(int, int)) {
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> dib(40 + stride * static_cast<std::size_t>(height), 0);
    const std::int32_t header[] = {40, width, height};
    std::memcpy(dib.data(), header, sizeof(header));
    dib[12] = 1;
    dib[14] = 24;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = dib.data() + 40 + stride * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = rgb(x, y);
            row[3 * x] = static_cast<std::uint8_t>(c);
            row[3 * x + 1] = static_cast<std::uint8_t>(c >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(c >> 16);
        }
    }
    return dib;
}

TEST(DibImage, RowsComeTopFirstInRgb) {
    // One pixel wide: rows of 3 bytes padded to 4.
    const auto dib =
        MakeDib(1, 3, [](int, int y) { return y == 0 ? 0xFF0000u : (y == 1 ? 0x00FF00u : 0x0000FFu); });
    ASSERT_EQ(dib.size(), 40u + 4u * 3u);
    const QImage image = DibToImage(dib);
    ASSERT_EQ(image.size(), QSize(1, 3));
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(0, 1) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(image.pixel(0, 2) & 0xFFFFFF, 0x0000FFu);
    const QImage wide = DibToImage(MakeDib(5, 2, [](int x, int) { return x == 4 ? 0x123456u : 0u; }));
    EXPECT_EQ(wide.pixel(4, 1) & 0xFFFFFF, 0x123456u);
}

TEST(DibImage, RefusesBlocksThatDoNotHoldTheirPixels) {
    auto truncated = MakeDib(7, 5, [](int, int) { return 0u; });
    truncated.pop_back();
    EXPECT_TRUE(DibToImage(truncated).isNull());
    auto huge = MakeDib(2, 2, [](int, int) { return 0u; });
    const std::int32_t height = 0x7FFFFFFF;
    std::memcpy(huge.data() + 8, &height, 4);
    EXPECT_TRUE(DibToImage(huge).isNull());
    auto wrongDepth = MakeDib(2, 2, [](int, int) { return 0u; });
    wrongDepth[14] = 32;
    EXPECT_TRUE(DibToImage(wrongDepth).isNull());
    EXPECT_TRUE(DibToImage({}).isNull());
    EXPECT_TRUE(DibToImage(std::vector<std::uint8_t>(39, 0)).isNull());
}

} // namespace
