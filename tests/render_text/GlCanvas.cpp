#include "GlCanvas.h"

#include <GL/gl.h>

GlCanvas::GlCanvas(int width, int height) : w(width), h(height) {
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    surface.setFormat(format);
    surface.create();
    context.setFormat(format);
    if (!context.create() || !context.makeCurrent(&surface)) {
        return;
    }
    fbo = std::make_unique<QOpenGLFramebufferObject>(width, height,
                                                     QOpenGLFramebufferObject::CombinedDepthStencil);
    fbo->bind();
}

void GlCanvas::Clear() const {
    glViewport(0, 0, w, h);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
