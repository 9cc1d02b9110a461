// The master context is made once and kept until exit, even when no context uses it.
#include "CEngineMakerData.h"

#include "render/RenderSurfaceFormat.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>

CEngineMakerData& CEngineMakerData::Instance() {
    static CEngineMakerData* data = new CEngineMakerData;
    return *data;
}

QOpenGLContext* CEngineMakerData::Master() {
    if (master == nullptr) {
        surface = new QOffscreenSurface;
        surface->setFormat(RenderSurfaceFormat(false));
        surface->create();
        master = new QOpenGLContext;
        master->setFormat(RenderSurfaceFormat(false));
        if (!master->create()) {
            delete master;
            master = nullptr;
        }
    }
    return master;
}

void CEngineMakerData::Release() {
    if (QGuiApplication::instance() == nullptr)
        return;
    delete master;
    delete surface;
    master = nullptr;
    surface = nullptr;
}
