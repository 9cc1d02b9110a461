// Context creation goes through QOpenGLContext on QWindow and QOffscreenSurface surfaces, or
// through EGL's surfaceless platform for memory contexts when there is no display (Qt's own
// platforms give no GL context then). Without a display a window context is not attempted:
// its window is never created as a GL surface, which Qt's offscreen platform cannot host.
#include "GlContextOps.h"

#include "render/HeadlessPlatform.h"
#include "CEglGlContext.h"
#include "CEngineMakerData.h"
#include "CQtGlContext.h"
#include "render/RenderSurfaceFormat.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QWindow>

namespace {

bool GuiAlive() {
    return QGuiApplication::instance() != nullptr;
}

CGlContext* CreateQtContext(ContextInfo& info) {
    if (!GuiAlive())
        return nullptr;
    if (info.Kind == ContextKind::Window) {
        if (info.Window == nullptr)
            return nullptr;
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
        return nullptr;
    }
    return new CQtGlContext(gl, info.Dc);
}

} // namespace

bool HasCurrentGlContext() {
    return CEglGlContext::CurrentShareGroup() != nullptr || QOpenGLContext::currentContext() != nullptr;
}

bool CreateGlContext(ContextInfo& info) {
    CGlContext* gl = nullptr;
    if (info.Kind == ContextKind::Memory && !HasWindowSystem()) {
        gl = CEglGlContext::Create();
        if (gl != nullptr && !gl->MakeCurrent()) {
            delete gl;
            gl = nullptr;
        }
    } else if (HasWindowSystem()) {
        gl = CreateQtContext(info);
    }
    if (gl == nullptr)
        return false;
    info.GlContext = gl;
    CEngineMakerData::Instance().AddUser();
    return true;
}

void DestroyGlContext(ContextInfo& info) {
    if (info.GlContext != nullptr) {
        delete info.GlContext;
        info.GlContext = nullptr;
        CEngineMakerData::Instance().RemoveUser();
    }
    if (info.Kind == ContextKind::Memory && GuiAlive())
        delete static_cast<QOffscreenSurface*>(info.Dc);
    info.Dc = nullptr;
}

bool MakeGlContextCurrent(const ContextInfo& info) {
    return info.GlContext != nullptr && info.GlContext->MakeCurrent();
}

void SwapGlBuffers(const ContextInfo& info) {
    if (info.GlContext != nullptr && info.Window != nullptr && info.Kind == ContextKind::Window)
        info.GlContext->SwapBuffers();
}

const void* CurrentShareGroup() {
    if (const void* group = CEglGlContext::CurrentShareGroup())
        return group;
    const QOpenGLContext* current = QOpenGLContext::currentContext();
    return current != nullptr ? current->shareGroup() : nullptr;
}

void WhenShareGroupDies(const void* group, std::function<void()> forget) {
    if (CEglGlContext::CurrentShareGroup() == group) {
        CEglGlContext::WhenShareGroupDies(group, std::move(forget));
        return;
    }
    const QOpenGLContext* current = QOpenGLContext::currentContext();
    if (current != nullptr && current->shareGroup() == group)
        QObject::connect(current->shareGroup(), &QObject::destroyed, std::move(forget));
}
