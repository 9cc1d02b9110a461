// An off-screen GL canvas for the drawing tests: a compatibility context rendering into a
// framebuffer object, read back as RGBA rows from the top.
#pragma once

#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <memory>

class GlCanvas {
public:
    GlCanvas(int width, int height);
    bool IsReady() const { return fbo != nullptr && fbo->isValid(); }
    // Clears to black with depth, sets the viewport.
    void Clear() const;
    QImage Read() const { return fbo->toImage(); }
    int Width() const { return w; }
    int Height() const { return h; }

private:
    int w;
    int h;
    QOffscreenSurface surface;
    QOpenGLContext context;
    std::unique_ptr<QOpenGLFramebufferObject> fbo;
};
