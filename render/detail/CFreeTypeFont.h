// A FreeType glyph font on the GL side: one texture and one display list per character code
// 0..254. Each list draws its glyph's quad at the pen and advances the pen by whole pixels.
#pragma once

#include "GlyphRaster.h"

#include <array>
#include <vector>

class CFreeTypeFont {
public:
    CFreeTypeFont() = default;
    virtual ~CFreeTypeFont() = default;

    // Uploads the glyphs into the current GL context; false (nothing kept) without 255 glyphs
    // or display lists.
    bool Build(const std::vector<GlyphRaster>& glyphs, float size);
    // Deletes the lists and textures; the context they were built in must be current.
    void Release();

    bool IsBuilt() const { return listBase != 0; }
    float Size() const { return h; }
    unsigned ListBase() const { return listBase; }
    unsigned Texture(int code) const { return code >= 0 && code < kFontGlyphCount ? textures[code] : 0; }

private:
    float h = 0;
    std::array<unsigned, kFontGlyphCount> textures{};
    unsigned listBase = 0;
};
