// Drawing of the axes layout.
#include "AxesDrawer.h"

#include "AxesLayout.h"
#include "DrawText.h"

#include <GL/gl.h>

void SetLabelColor(const ViewState& view, const AxesOptions& options) {
    if (options.Flags & AxesAutoLabelColor) {
        const ColorRGBA c = AutomaticLabelColor(view.BackColor);
        glColor4ub(c.r, c.g, c.b, c.a);
    }
}

void DrawAxes(const ViewState& view, const AxesOptions& options, const MeshParams& params) {
    AxesEye eye;
    glGetFloatv(GL_MODELVIEW_MATRIX, eye.modelView.data());
    eye.rotate = view.Rotate;
    eye.perspective = view.Projection != 1;
    const AxesLayout layout = ComputeAxesLayout(options, params, &eye);
    glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHT0);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_LIGHTING);
    SetLabelColor(view, options);
    glPushMatrix();

    glBegin(GL_LINES);
    for (const AxisSegment& s : layout.lines) {
        glVertex3f(s.from.x, s.from.y, s.from.z);
        glVertex3f(s.to.x, s.to.y, s.to.z);
    }
    glEnd();
    for (const auto& loop : layout.loops) {
        glBegin(GL_LINE_LOOP);
        for (const AxisPoint& p : loop) {
            glVertex3f(p.x, p.y, p.z);
        }
        glEnd();
    }
    for (const AxisLabel& label : layout.labels) {
        glPushMatrix();
        glTranslatef(label.position.x, label.position.y, label.position.z);
        glRotatef(-view.Rotate, 0, 0, 1);
        glRotatef(view.Pitch, 1, 0, 0);
        const float scale = options.LabelScale * label.scale;
        glScalef(scale, scale, scale);
        DrawLabel(1, "%s", label.text.c_str());
        glPopMatrix();
    }

    glPopMatrix();
    glPopAttrib();
}
