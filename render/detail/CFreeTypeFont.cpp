// Glyph textures and display lists.
#include "CFreeTypeFont.h"

#include <GL/gl.h>

bool CFreeTypeFont::Build(const std::vector<GlyphRaster>& glyphs, float size) {
    Release();
    if (glyphs.size() != kFontGlyphCount) {
        return false;
    }
    const GLuint base = glGenLists(kFontGlyphCount);
    if (base == 0) {
        return false;
    }
    h = size;
    listBase = base;
    glGenTextures(kFontGlyphCount, textures.data());
    // Glyph rows are byte-packed; the caller's unpack alignment and binding come back afterwards.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPushAttrib(GL_TEXTURE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (GLuint c = 0; c < kFontGlyphCount; ++c) {
        const GlyphRaster& g = glyphs[c];
        glBindTexture(GL_TEXTURE_2D, textures[c]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, g.texWidth, g.texHeight, 0, GL_LUMINANCE_ALPHA,
                     GL_UNSIGNED_BYTE, g.texels.data());

        const auto w = static_cast<float>(g.width);
        const auto r = static_cast<float>(g.rows);
        const float s = w / static_cast<float>(g.texWidth);
        const float t = r / static_cast<float>(g.texHeight);
        glNewList(base + c, GL_COMPILE);
        glBindTexture(GL_TEXTURE_2D, textures[c]);
        glPushMatrix();
        glTranslatef(static_cast<float>(g.left), 0, 0);
        glTranslatef(0, static_cast<float>(g.top) - r, 0);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0);
        glVertex2f(0, r);
        glTexCoord2f(0, t);
        glVertex2f(0, 0);
        glTexCoord2f(s, t);
        glVertex2f(w, 0);
        glTexCoord2f(s, 0);
        glVertex2f(w, r);
        glEnd();
        glPopMatrix();
        glTranslatef(static_cast<float>(g.advance), 0, 0);
        glEndList();
    }
    glPopAttrib();
    glPopClientAttrib();
    return true;
}

void CFreeTypeFont::Release() {
    if (listBase != 0) {
        glDeleteLists(listBase, kFontGlyphCount);
        glDeleteTextures(kFontGlyphCount, textures.data());
    }
    listBase = 0;
    textures.fill(0);
    h = 0;
}
