// Grey thumbnails from signed previews: the index mapping, row padding and the fit on white.
#include "shellext/RenderPreviewImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// The bounding box of every pixel that is not white, in rows counted from the top.
struct Box {
    std::int32_t left, top, width, height;
    bool operator==(const Box&) const = default;
};

Box DrawnBox(const PaletteBitmap& b) {
    std::int32_t left = b.width, right = -1, top = b.height, bottom = -1;
    for (std::int32_t y = 0; y < b.height; ++y) {
        for (std::int32_t x = 0; x < b.width; ++x) {
            if (b.At(x, y) != 255) {
                std::int32_t fromTop = b.height - 1 - y;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, fromTop);
                bottom = std::max(bottom, fromTop);
            }
        }
    }
    return {left, top, right - left + 1, bottom - top + 1};
}

TEST(RenderPreviewImage, MapsSignedBytesOntoTheGreyRampBottomRowFirst) {
    const std::vector<std::int8_t> data = {-128, 0, 127, -1, 1, 2, 3, 4};
    auto bitmap = RenderPreviewImage(4, 2, data, {0, 0});
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->width, 4);
    EXPECT_EQ(bitmap->height, 2);
    EXPECT_EQ(bitmap->At(0, 0), 0);
    EXPECT_EQ(bitmap->At(1, 0), 128);
    EXPECT_EQ(bitmap->At(2, 0), 255);
    EXPECT_EQ(bitmap->At(3, 0), 127);
    EXPECT_EQ(bitmap->At(0, 1), 129);
    EXPECT_EQ(bitmap->palette[0], 0u);
    EXPECT_EQ(bitmap->palette[200], 0xC8C8C8u);
}

TEST(RenderPreviewImage, RowsStartAtFourByteBoundaries) {
    const std::vector<std::int8_t> data = {0, 1, 2, 10, 11, 12, 20, 21, 22};
    for (ThumbnailSize size : {ThumbnailSize{0, 0}, ThumbnailSize{3, 3}}) {
        auto bitmap = RenderPreviewImage(3, 3, data, size);
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(bitmap->rowLength, 4);
        ASSERT_EQ(bitmap->pixels.size(), 12u);
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c) {
                EXPECT_EQ(bitmap->pixels[static_cast<std::size_t>(r * 4 + c)], 128 + r * 10 + c);
            }
        }
    }
}

TEST(RenderPreviewImage, FitsThePreviewsShapeAndCentresItOnWhite) {
    struct Case {
        std::int32_t width, height;
        ThumbnailSize size;
        Box drawn;
    };
    const std::vector<Case> cases = {
        {128, 64, {96, 96}, {0, 24, 96, 48}},
        {64, 128, {96, 96}, {24, 0, 48, 96}},
        {64, 64, {96, 48}, {0, 0, 96, 48}}, // a square fills the width: top and bottom fall outside
        {2, 2, {8, 8}, {0, 0, 8, 8}},
    };
    for (const Case& c : cases) {
        // Every preview pixel dark, so only the drawn rectangle is not white.
        std::vector<std::int8_t> data(static_cast<std::size_t>(c.width * c.height), -100);
        auto bitmap = RenderPreviewImage(c.width, c.height, data, c.size);
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(bitmap->width, c.size.cx);
        EXPECT_EQ(bitmap->height, c.size.cy);
        EXPECT_EQ(DrawnBox(*bitmap), c.drawn) << c.width << "x" << c.height;
    }
}

TEST(RenderPreviewImage, StretchCopiesSourcePixelsTheRightWayUp) {
    // 2 x 2: bottom row 0 and 1, top row 2 and 3, stretched to 4 x 4.
    auto bitmap = RenderPreviewImage(2, 2, std::vector<std::int8_t>{0, 1, 2, 3}, {4, 4});
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->At(0, 0), 128);
    EXPECT_EQ(bitmap->At(3, 1), 129);
    EXPECT_EQ(bitmap->At(1, 2), 130);
    EXPECT_EQ(bitmap->At(2, 3), 131);
}

TEST(RenderPreviewImage, RefusesWhatItCannotDraw) {
    const std::vector<std::int8_t> four(4, 0);
    EXPECT_FALSE(RenderPreviewImage(2, 2, {}, {0, 0}));
    EXPECT_FALSE(RenderPreviewImage(3, 2, four, {0, 0})); // data shorter than the picture
    EXPECT_FALSE(RenderPreviewImage(0, 2, four, {0, 0}));
    EXPECT_FALSE(RenderPreviewImage(-2, -2, four, {0, 0}));
    EXPECT_FALSE(RenderPreviewImage(65536, 65536, four, {0, 0})); // no overflow of width x height
    // A size that cannot be made gives the preview at its own size.
    for (ThumbnailSize size : {ThumbnailSize{96, 0}, ThumbnailSize{-5, 10}, ThumbnailSize{40000, 10}}) {
        auto bitmap = RenderPreviewImage(2, 2, four, size);
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(bitmap->width, 2);
        EXPECT_EQ(bitmap->height, 2);
    }
}

TEST(RenderPreviewImage, AnOwnSizeBeyondThumbnailsIsFittedToItsShape) {
    struct Case {
        std::int32_t width, height;
        ThumbnailSize own;
    };
    const std::vector<Case> cases = {
        {2048, 1024, {1024, 512}},
        {1000, 3000, {341, 1024}},
        {1024, 1024, {1024, 1024}}, // at the limit: the preview itself
    };
    for (const Case& c : cases) {
        std::vector<std::int8_t> data(static_cast<std::size_t>(c.width) * c.height, -100);
        auto bitmap = RenderPreviewImage(c.width, c.height, data, {0, 0});
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(bitmap->width, c.own.cx) << c.width << "x" << c.height;
        EXPECT_EQ(bitmap->height, c.own.cy) << c.width << "x" << c.height;
        // Every pixel drawn: no white margin.
        EXPECT_EQ(DrawnBox(*bitmap), (Box{0, 0, c.own.cx, c.own.cy}));
    }
}

TEST(RenderPreviewRows, ReadsOnlyTheRowsThePictureShows) {
    std::vector<std::int32_t> asked;
    auto rows = [&](std::int32_t row, std::int8_t* values) {
        asked.push_back(row);
        std::fill(values, values + 1000, static_cast<std::int8_t>(row % 100));
    };
    auto bitmap = RenderPreviewRows(1000, 1000, rows, {10, 10});
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(asked.size(), 10u);
    // The top target row shows the top data row.
    EXPECT_EQ(asked.front(), 999);
    EXPECT_EQ(bitmap->At(0, 9), static_cast<std::uint8_t>(999 % 100 + 128));
}

TEST(RenderPreviewImage, FittedSizeKeepsTheShapeAndLeavesNoMargin) {
    struct Case {
        std::int32_t width, height, side;
        ThumbnailSize fitted;
    };
    const std::vector<Case> cases = {
        {128, 64, 96, {96, 48}},   {64, 128, 96, {48, 96}}, {100, 100, 256, {256, 256}},
        {6000, 10, 256, {256, 1}}, {0, 64, 96, {0, 0}},     {64, 64, 0, {0, 0}},
    };
    for (const Case& c : cases) {
        const ThumbnailSize fitted = FittedSize(c.width, c.height, c.side);
        EXPECT_EQ(fitted.cx, c.fitted.cx) << c.width << "x" << c.height << " in " << c.side;
        EXPECT_EQ(fitted.cy, c.fitted.cy) << c.width << "x" << c.height << " in " << c.side;
        if (fitted.cx > 0 && c.width * c.height <= 128 * 128) {
            std::vector<std::int8_t> data(static_cast<std::size_t>(c.width * c.height), -100);
            auto bitmap = RenderPreviewImage(c.width, c.height, data, fitted);
            ASSERT_TRUE(bitmap);
            EXPECT_EQ(DrawnBox(*bitmap), (Box{0, 0, fitted.cx, fitted.cy}));
        }
    }
}

} // namespace
