// GL context creation, the initial state and the frame sequence shared by every engine.
#include <GL/glew.h>

#include "CDrawEngineBase.h"

#include "BufferObjects.h"
#include "CContextObject.h"
#include "GlContextOps.h"

CDrawEngineBase::~CDrawEngineBase() {
    if (context == nullptr)
        return;
    if (context->MakeCurrent())
        frameBuffer.Release();
    DestroyGlContext(context->MutableInfo());
}

bool CDrawEngineBase::GetSceneRect(int rect[4]) const {
    rect[0] = rect[1] = rect[2] = rect[3] = -1;
    return false;
}

void CDrawEngineBase::OnViewStateChanged() {}

void CDrawEngineBase::Attach(CContextObject* attached) {
    context = attached;
    if (context != nullptr && !initialised) {
        Initialise();
        initialised = true;
    }
}

void CDrawEngineBase::SetInitialState() {
    glShadeModel(GL_SMOOTH);
    glClearDepth(1.0);
    glClearStencil(0);
    glClearAccum(0.0f, 0.0f, 0.0f, 0.0f);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_LINE_SMOOTH);
}

void CDrawEngineBase::Initialise() {
    if (context->Info().GlContext == nullptr) {
        if (!CreateGlContext(context->MutableInfo()))
            return;
        LoadGlEntryPoints();
    }
    SetInitialState();
}

unsigned CDrawEngineBase::DrawTarget() const {
    return context->Info().Kind == ContextKind::Memory ? GL_COLOR_ATTACHMENT0 : GL_BACK;
}

void CDrawEngineBase::BeginFrame(int width, int height) {
    if (context == nullptr)
        return;
    frameReady = context->Info().Kind != ContextKind::Memory || frameBuffer.Bind(width, height);
    const ColorRGBA back = context->GetViewState().BackColor;
    glClearColor(back.r / 255.0f, back.g / 255.0f, back.b / 255.0f, back.a / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glLoadIdentity();
}

void CDrawEngineBase::EndFrame() {
    if (context == nullptr)
        return;
    glFinish();
    if (swap && context->Info().Kind == ContextKind::Window)
        SwapGlBuffers(context->Info());
}

bool CDrawEngineBase::Render(int width, int height, std::uint8_t* readBack) {
    readBackDone = false;
    if (context == nullptr)
        return false;
    if (!initialised) {
        Initialise();
        initialised = true;
    }
    if (!context->MakeCurrent())
        return false;
    BeginFrame(width, height);
    if (!frameReady)
        return false;
    const bool drawn = DrawFrame();
    if (readBack != nullptr && width > 0 && height > 0) {
        // Read before the swap: a swapped back buffer has undefined contents.
        glFinish();
        glReadBuffer(DrawTarget());
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadPixels(0, 0, width, height, GL_BGR, GL_UNSIGNED_BYTE, readBack);
        readBackDone = true;
    }
    EndFrame();
    return drawn;
}
