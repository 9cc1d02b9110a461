// FreeType rasterisation of a glyph font into texel blocks.
#include "GlyphRaster.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H

#include <bit>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace {

struct LibraryDeleter {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
struct GlyphDeleter {
    void operator()(FT_Glyph glyph) const { FT_Done_Glyph(glyph); }
};
using LibraryPtr = std::unique_ptr<std::remove_pointer_t<FT_Library>, LibraryDeleter>;
using FacePtr = std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceDeleter>;
using GlyphPtr = std::unique_ptr<std::remove_pointer_t<FT_Glyph>, GlyphDeleter>;

GlyphRaster RasterizeOne(FT_Face face, unsigned code) {
    if (FT_Load_Glyph(face, FT_Get_Char_Index(face, code), FT_LOAD_DEFAULT) != 0) {
        throw std::runtime_error("FT_Load_Glyph failed");
    }
    FT_Glyph raw = nullptr;
    if (FT_Get_Glyph(face->glyph, &raw) != 0) {
        throw std::runtime_error("FT_Get_Glyph failed");
    }
    GlyphPtr glyph(raw);
    GlyphRaster out;
    out.advance = static_cast<int>(face->glyph->advance.x / 64);
    if (FT_Glyph_To_Bitmap(&raw, FT_RENDER_MODE_NORMAL, nullptr, 1) != 0) {
        // A glyph that cannot be rendered still advances the pen; it shows nothing.
        out.texels = GlyphTexels(nullptr, 0, 0, 0, out.texWidth, out.texHeight);
        return out;
    }
    // The conversion destroyed the outline glyph and left the bitmap glyph in `raw`.
    static_cast<void>(glyph.release());
    glyph.reset(raw);
    const auto* bitmapGlyph = reinterpret_cast<FT_BitmapGlyph>(raw);
    const FT_Bitmap& bitmap = bitmapGlyph->bitmap;
    const bool gray = bitmap.pixel_mode == FT_PIXEL_MODE_GRAY;
    out.width = gray ? static_cast<int>(bitmap.width) : 0;
    out.rows = gray ? static_cast<int>(bitmap.rows) : 0;
    out.left = bitmapGlyph->left;
    out.top = bitmapGlyph->top;
    out.texWidth = GlyphTextureSide(out.width);
    out.texHeight = GlyphTextureSide(out.rows);
    out.texels = GlyphTexels(bitmap.buffer, out.width, out.rows, bitmap.pitch, out.texWidth, out.texHeight);
    return out;
}

} // namespace

int GlyphTextureSide(int n) {
    return n <= 2 ? 2 : static_cast<int>(std::bit_ceil(static_cast<unsigned>(n)));
}

std::vector<std::uint8_t> GlyphTexels(const std::uint8_t* bitmap, int width, int rows, int pitch,
                                      int texWidth, int texHeight) {
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(texWidth) * texHeight * 2, 0);
    for (std::size_t i = 0; i < texels.size(); i += 2) {
        texels[i] = 255;
    }
    if (bitmap == nullptr) {
        return texels;
    }
    // Rows are read with the bitmap's own pitch: FreeType may pad rows or store them bottom-up.
    const std::uint8_t* first =
        pitch < 0 ? bitmap + static_cast<std::ptrdiff_t>(-pitch) * (rows - 1) : bitmap;
    for (int i = 0; i < rows && i < texHeight; ++i) {
        const std::uint8_t* row = first + static_cast<std::ptrdiff_t>(pitch) * i;
        for (int j = 0; j < width && j < texWidth; ++j) {
            texels[(static_cast<std::size_t>(i) * texWidth + j) * 2 + 1] = row[j];
        }
    }
    return texels;
}

std::vector<GlyphRaster> RasterizeGlyphs(const std::string& path, float size) {
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) {
        throw std::runtime_error("FT_Init_FreeType failed");
    }
    LibraryPtr library(rawLibrary);
    FT_Face rawFace = nullptr;
    if (FT_New_Face(library.get(), path.c_str(), 0, &rawFace) != 0) {
        throw std::runtime_error("FT_New_Face failed (there is probably a problem with your font file)");
    }
    FacePtr face(rawFace);
    const auto size64 = static_cast<FT_F26Dot6>(size * 64);
    FT_Set_Char_Size(face.get(), size64, size64, 96, 96);
    std::vector<GlyphRaster> glyphs;
    glyphs.reserve(kFontGlyphCount);
    for (unsigned code = 0; code < kFontGlyphCount; ++code) {
        glyphs.push_back(RasterizeOne(face.get(), code));
    }
    return glyphs;
}
