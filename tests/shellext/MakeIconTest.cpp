// MakeIcon: the colour bitmap kept as it is, an all-opaque mask of one bit per pixel in rows of
// 4-byte multiples, and the hot spot in the middle.
#include "shellext/MakeIcon.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(MakeIcon, ShapeOfMaskAndHotSpot) {
    struct Case {
        std::int32_t width, height, maskRowLength, hotspotX, hotspotY;
    };
    const Case cases[] = {
        {1, 1, 4, 0, 0}, {5, 3, 4, 2, 1}, {32, 32, 4, 16, 16}, {33, 2, 8, 16, 1}, {96, 48, 12, 48, 24}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        PaletteBitmap bitmap;
        ASSERT_TRUE(PaletteBitmap::Create(c.width, c.height, PreviewPalette(), &bitmap));
        bitmap.pixels[0] = 77;
        std::optional<PaletteIcon> icon = MakeIcon(bitmap);
        ASSERT_TRUE(icon);
        EXPECT_EQ(icon->color.width, c.width);
        EXPECT_EQ(icon->color.height, c.height);
        EXPECT_EQ(icon->color.pixels, bitmap.pixels);
        EXPECT_EQ(icon->color.palette, bitmap.palette);
        EXPECT_EQ(icon->maskRowLength, c.maskRowLength);
        EXPECT_EQ(icon->mask.size(), static_cast<std::size_t>(c.maskRowLength * c.height));
        EXPECT_TRUE(std::all_of(icon->mask.begin(), icon->mask.end(), [](std::uint8_t b) { return b == 0; }));
        EXPECT_EQ(icon->hotspotX, c.hotspotX);
        EXPECT_EQ(icon->hotspotY, c.hotspotY);
    }
    EXPECT_EQ(MakeIcon(std::nullopt), std::nullopt);
}

} // namespace
