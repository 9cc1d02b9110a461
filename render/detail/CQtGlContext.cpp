// Qt's GL objects may only be used while the GUI application exists; after that they are left
// to the process exit.
#include "CQtGlContext.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QSurface>

CQtGlContext::CQtGlContext(QOpenGLContext* gl, QSurface* drawn) : context(gl), surface(drawn) {}

CQtGlContext::~CQtGlContext() {
    if (QGuiApplication::instance() == nullptr)
        return;
    context->doneCurrent();
    delete context;
}

bool CQtGlContext::MakeCurrent() {
    return QGuiApplication::instance() != nullptr && context->makeCurrent(surface);
}

void CQtGlContext::DoneCurrent() {
    if (QGuiApplication::instance() != nullptr)
        context->doneCurrent();
}

void CQtGlContext::SwapBuffers() {
    if (QGuiApplication::instance() != nullptr)
        context->swapBuffers(surface);
}
