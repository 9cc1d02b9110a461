// Labels, screen text and the on-screen block.
#include "DrawText.h"

#include "CFontData.h"
#include "CurrentFontData.h"
#include "ScreenText.h"
#include "TextBuffer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <string>

namespace {

// Character bytes a font has lists for: 0xFF has none and would run into the next font's lists.
std::string DrawableBytes(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < kFontGlyphCount) {
            bytes += c;
        }
    }
    return bytes;
}

void CallGlyphLists(std::string_view text) {
    const std::string bytes = DrawableBytes(text);
    glCallLists(static_cast<GLsizei>(bytes.size()), GL_UNSIGNED_BYTE, bytes.data());
}

} // namespace

void DrawLabel(int alignment, const char* format, ...) {
    CFontData* fonts = CurrentFontData();
    if (format == nullptr || fonts == nullptr) {
        return;
    }
    va_list args;
    va_start(args, format);
    const std::string text = FormatTextV(format, args);
    va_end(args);

    const LabelShift shift = LabelAlignmentShift(alignment, MeasureLabel(fonts->Metrics(), text));
    glTranslatef(shift.x, shift.y, 0);
    const CFreeTypeFont& font = fonts->LabelFont();
    if (!font.IsBuilt()) {
        return;
    }
    glPushMatrix();
    glPushAttrib(GL_LIST_BIT | GL_ENABLE_BIT | GL_TRANSFORM_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glScalef(0.03f, 0.03f, 1);
    glListBase(font.ListBase());
    CallGlyphLists(text);
    glPopAttrib();
    glPopMatrix();
}

void DrawScreenText(bool fromTop, int font, float x, float y, const char* format, ...) {
    CFontData* fonts = CurrentFontData();
    if (fonts == nullptr || !fonts->Font(font).IsBuilt()) {
        return;
    }
    va_list args;
    va_start(args, format);
    const std::string text = FormatTextV(format, args);
    va_end(args);
    const CFreeTypeFont& face = fonts->Font(font);

    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    glPushAttrib(GL_TRANSFORM_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(viewport[0], viewport[2], viewport[1], viewport[3]);

    glPushAttrib(GL_LIST_BIT | GL_ENABLE_BIT | GL_TRANSFORM_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glListBase(face.ListBase());
    const std::vector<std::string_view> lines = SplitScreenLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ScreenLinePosition p = ScreenLineOrigin(fromTop, static_cast<float>(viewport[3]), face.Size(),
                                                      x, y, static_cast<int>(i));
        glPushMatrix();
        glLoadIdentity();
        glTranslatef(p.x, p.y, 0);
        CallGlyphLists(lines[i]);
        glPopMatrix();
    }
    glPopMatrix();
    glPopAttrib();

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
}

void DrawOnscreenBlock(const ViewState& view) {
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT);
    glPushMatrix();
    const ColorRGBA c = view.OnscreenTextColor;
    glColor4ub(c.r, c.g, c.b, 255);
    DrawScreenText(true, 0, 10, 10, "%s", ComposeOnscreenText(view).c_str());
    glPopMatrix();
    glPopAttrib();
}
