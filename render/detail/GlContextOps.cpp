// Context creation and release through QOpenGLContext; surfaces through QWindow and
// QOffscreenSurface.
#include "render/detail/GlContextOps.h"

#include "render/detail/CEngineMakerData.h"
#include "render/detail/GlSurfaceFormat.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QWindow>

bool HasCurrentGlContext() {
    return QOpenGLContext::currentContext() != nullptr;
}

bool GuiAlive() {
    return QGuiApplication::instance() != nullptr;
}

bool CreateGlContext(ContextInfo& info) {
    if (!GuiAlive())
        return false;
    if (info.Kind == ContextKind::Window) {
        if (info.Window == nullptr)
            return false;
        if (info.Window->handle() == nullptr) {
            info.Window->setSurfaceType(QSurface::OpenGLSurface);
            info.Window->setFormat(RenderSurfaceFormat(true));
            info.Window->create();
        }
        info.Dc = info.Window;
    } else if (info.Dc == nullptr) {
        auto* surface = new QOffscreenSurface;
        surface->setFormat(RenderSurfaceFormat(false));
        surface->create();
        info.Dc = surface;
    }
    QOpenGLContext* master = CEngineMakerData::Instance().Master();
    auto* gl = new QOpenGLContext;
    gl->setFormat(RenderSurfaceFormat(info.Kind == ContextKind::Window));
    gl->setShareContext(master);
    if (!gl->create() || !gl->makeCurrent(info.Dc)) {
        delete gl;
        return false;
    }
    info.GlContext = gl;
    CEngineMakerData::Instance().AddUser();
    return true;
}

void DestroyGlContext(ContextInfo& info) {
    if (!GuiAlive())
        return;
    if (info.GlContext != nullptr) {
        info.GlContext->doneCurrent();
        delete info.GlContext;
        info.GlContext = nullptr;
        CEngineMakerData::Instance().RemoveUser();
    }
    if (info.Kind == ContextKind::Memory)
        delete static_cast<QOffscreenSurface*>(info.Dc);
    info.Dc = nullptr;
}

void SwapGlBuffers(const ContextInfo& info) {
    if (info.GlContext != nullptr && info.Window != nullptr)
        info.GlContext->swapBuffers(info.Window);
}
