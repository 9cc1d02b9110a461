// A GL context made by Qt on a window or an off-screen surface.
#pragma once

#include "CGlContext.h"

class QOpenGLContext;
class QSurface;

class CQtGlContext : public CGlContext {
public:
    // Takes `context`; `surface` stays its owner's.
    CQtGlContext(QOpenGLContext* context, QSurface* surface);
    ~CQtGlContext() override;

    bool MakeCurrent() override;
    void DoneCurrent() override;
    void SwapBuffers() override;

private:
    QOpenGLContext* context;
    QSurface* surface;
};
