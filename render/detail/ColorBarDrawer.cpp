// Drawing of the colour bar.
#include "ColorBarDrawer.h"

#include "AxesDrawer.h"
#include "ColorBarLayout.h"
#include "DrawText.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <string>

namespace {

void BuildTexture(const std::vector<ColorRGBA>& table, unsigned* texture) {
    const std::vector<std::uint8_t> texels = ColorBarTexels(table);
    if (texels.empty()) {
        return;
    }
    glGenTextures(1, texture);
    glBindTexture(GL_TEXTURE_2D, *texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, kColorBarTextureWidth, kColorBarTextureHeight, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, texels.data());
}

void DrawCylinder() {
    GLUquadric* quadric = gluNewQuadric();
    if (quadric == nullptr) {
        return;
    }
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluQuadricTexture(quadric, GL_TRUE);
    gluCylinder(quadric, 0.1, 0.1, 2, 20, 1);
    gluDeleteQuadric(quadric);
}

} // namespace

void DrawColorBar(const ViewState& view, const AxesOptions& options, int tickCount,
                  const std::vector<ColorRGBA>& table, int width, int height, unsigned* texture) {
    if (texture == nullptr || width <= 0 || height <= 0 || tickCount < 2) {
        return;
    }
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glPushMatrix();
    glViewport(0, 0, width, height);
    const double a = static_cast<double>(width) / height;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2 * a, 2 * a, -2, 2, -4000, 4000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    GLdouble model[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble x0 = 0;
    GLdouble y0 = 0;
    GLdouble z0 = 0;
    gluUnProject(width - 25.0, height / 2.0 - 1, 0, model, projection, viewport, &x0, &y0, &z0);

    glTranslatef(static_cast<float>(x0) - 0.1f, 0, -5);
    glTranslatef(0, 1, 0);
    glRotatef(90, 1, 0, 0);
    glEnable(GL_TEXTURE_2D);
    if (*texture == 0) {
        BuildTexture(table, texture);
    }
    glBindTexture(GL_TEXTURE_2D, *texture);
    // White, so the table's colours are not tinted by whatever colour was current.
    glColor4ub(255, 255, 255, 255);
    DrawCylinder();
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);

    SetLabelColor(view, options);
    glDisable(GL_LINE_SMOOTH);
    glTranslatef(0, 0, 1);
    glBegin(GL_QUADS);
    glVertex3f(-0.11f, 0, -1.01f);
    glVertex3f(0.11f, 0, -1.01f);
    glVertex3f(0.11f, 0, 1.01f);
    glVertex3f(-0.11f, 0, 1.01f);
    glEnd();
    glTranslatef(-0.1f, 0, 0);
    glBegin(GL_LINES);
    for (const float z : ColorBarTickHeights(tickCount)) {
        glVertex3f(-0.1f, 0, z);
        glVertex3f(0, 0, z);
    }
    glEnd();
    glEnable(GL_LINE_SMOOTH);

    glRotatef(-90, 1, 0, 0);
    glTranslatef(-0.15f, 0, 0);
    glTranslatef(0, -1, 0);
    const float stride = 2.0f / static_cast<float>(tickCount - 1);
    for (const std::string& label : ColorBarLabels(options, tickCount)) {
        glPushMatrix();
        glScalef(0.1f, 0.1f, 0.1f);
        DrawLabel(2, "%s", label.c_str());
        glPopMatrix();
        glTranslatef(0, stride, 0);
    }

    glPopMatrix();
    glPopAttrib();
    glFlush();
}
