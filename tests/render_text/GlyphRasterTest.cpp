// Glyph textures: the power-of-two rule, the texel layout and a real face rasterised at 24 points.
#include "FontLookup.h"
#include "GlyphRaster.h"

#include <gtest/gtest.h>

#include <bit>
#include <fstream>
#include <stdexcept>

namespace {

TEST(GlyphRaster, TextureSidesFollowThePowerOfTwoRule) {
    const std::pair<int, int> cases[] = {{0, 2}, {1, 2},  {2, 2},   {3, 4},  {5, 8},
                                         {8, 8}, {9, 16}, {17, 32}, {33, 64}};
    for (const auto& [side, expected] : cases) {
        EXPECT_EQ(GlyphTextureSide(side), expected) << side;
    }
}

// A 5 x 9 bitmap stored with padded rows (pitch 7), top-down and bottom-up.
TEST(GlyphRaster, TexelsCopyCoverageIntoTheTopLeftCorner) {
    for (const bool bottomUp : {false, true}) {
        std::vector<std::uint8_t> bitmap(7 * 9, 0xEE);
        for (int i = 0; i < 9; ++i) {
            const int memoryRow = bottomUp ? 8 - i : i;
            for (int j = 0; j < 5; ++j) {
                bitmap[memoryRow * 7 + j] = static_cast<std::uint8_t>(10 * i + j + 1);
            }
        }
        const std::vector<std::uint8_t> texels = GlyphTexels(bitmap.data(), 5, 9, bottomUp ? -7 : 7, 8, 16);
        ASSERT_EQ(texels.size(), 8u * 16u * 2u);
        for (int i = 0; i < 16; ++i) {
            for (int j = 0; j < 8; ++j) {
                const std::size_t t = (i * 8 + j) * 2;
                EXPECT_EQ(texels[t], 255);
                const int expected = (i < 9 && j < 5) ? 10 * i + j + 1 : 0;
                EXPECT_EQ(texels[t + 1], expected)
                    << "row " << i << " column " << j << " bottomUp " << bottomUp;
            }
        }
    }
}

class ArialGlyphs : public testing::Test {
protected:
    static void SetUpTestSuite() {
        FontFile font;
        ASSERT_TRUE(FontLookup("Arial", &font));
        glyphs = new std::vector<GlyphRaster>(RasterizeGlyphs(font.path, 24));
    }
    static void TearDownTestSuite() { delete glyphs; }
    static std::vector<GlyphRaster>* glyphs;
};
std::vector<GlyphRaster>* ArialGlyphs::glyphs = nullptr;

TEST_F(ArialGlyphs, EveryCodeHasAPowerOfTwoTextureHoldingItsBitmap) {
    ASSERT_EQ(glyphs->size(), 255u);
    for (std::size_t c = 0; c < glyphs->size(); ++c) {
        const GlyphRaster& g = (*glyphs)[c];
        EXPECT_TRUE(std::has_single_bit(static_cast<unsigned>(g.texWidth))) << c;
        EXPECT_TRUE(std::has_single_bit(static_cast<unsigned>(g.texHeight))) << c;
        EXPECT_EQ(g.texWidth, GlyphTextureSide(g.width)) << c;
        EXPECT_EQ(g.texHeight, GlyphTextureSide(g.rows)) << c;
        EXPECT_EQ(g.texels.size(), static_cast<std::size_t>(g.texWidth * g.texHeight * 2)) << c;
    }
}

TEST_F(ArialGlyphs, SpaceIsAnEmptyTwoByTwoTextureThatAdvances) {
    const GlyphRaster& space = (*glyphs)[' '];
    EXPECT_EQ(space.texWidth, 2);
    EXPECT_EQ(space.texHeight, 2);
    EXPECT_EQ(space.texels, (std::vector<std::uint8_t>{255, 0, 255, 0, 255, 0, 255, 0}));
    EXPECT_GT(space.advance, 0);
}

// 24 points at 96 dpi are 32 pixels per em: a capital is about 23 pixels high.
TEST_F(ArialGlyphs, CapitalsDegreeAndMicroSignHaveTheirSize) {
    const GlyphRaster& h = (*glyphs)['H'];
    EXPECT_NEAR(h.rows, 23, 1);
    EXPECT_EQ(h.top, h.rows);
    EXPECT_NEAR(h.advance, 23, 1);
    const GlyphRaster& degree = (*glyphs)[0xB0];
    EXPECT_GT(degree.width, 4);
    EXPECT_GT(degree.top, 15); // a raised ring, not a baseline glyph
    const GlyphRaster& micro = (*glyphs)[0xB5];
    EXPECT_GT(micro.rows, micro.top); // the descender of the micro sign
}

TEST(GlyphRaster, UnreadableFontFilesRaiseTheFaceError) {
    const std::string garbage = testing::TempDir() + "not-a-font.ttf";
    std::ofstream(garbage) << "this is not a font";
    for (const std::string& path : {garbage, std::string("/nonexistent/font.ttf")}) {
        try {
            RasterizeGlyphs(path, 14);
            ADD_FAILURE() << path;
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "FT_New_Face failed (there is probably a problem with your font file)");
        }
    }
}

} // namespace
