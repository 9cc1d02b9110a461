// GL-free half of a FreeType glyph font: every character code 0..254 of a face rasterised at one
// size into a luminance-alpha texel block ready for glTexImage2D, with the placement numbers the
// glyph's display list needs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int kFontGlyphCount = 255;

struct GlyphRaster {
    int width = 0;   // coverage bitmap columns (w)
    int rows = 0;    // coverage bitmap rows (r)
    int left = 0;    // bitmap left: pen to first column
    int top = 0;     // bitmap top: baseline to first row
    int advance = 0; // horizontal advance, whole pixels
    int texWidth = 2;
    int texHeight = 2;
    std::vector<std::uint8_t> texels; // texWidth * texHeight pairs (luminance 255, alpha)
};

// Texture side for a bitmap side: 2 up to 2, else the smallest power of two not below it.
int GlyphTextureSide(int n);

// Luminance-alpha texels for an 8-bit coverage bitmap; `pitch` is the byte step between rows
// (negative for bottom-up bitmaps, where `bitmap` points at the first row in memory).
std::vector<std::uint8_t> GlyphTexels(const std::uint8_t* bitmap, int width, int rows, int pitch,
                                      int texWidth, int texHeight);

// Rasterises codes 0..254 of the face in `path` at `size` points, 96 dpi. Throws std::runtime_error
// with FreeType's set-up failure ("FT_Init_FreeType failed", "FT_New_Face failed (...)",
// "FT_Load_Glyph failed", "FT_Get_Glyph failed").
std::vector<GlyphRaster> RasterizeGlyphs(const std::string& path, float size);
