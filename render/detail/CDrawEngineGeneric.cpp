// The frame: projection, light, camera, scene, colour bar, text.
#include <GL/glew.h>

#include "CDrawEngineGeneric.h"

#include "DrawText.h"
#include "GlErrorCheck.h"

#include "CContextObject.h"
#include "CMeshComposite.h"
#include "CMeshObject.h"
#include "Camera.h"

void CDrawEngineGeneric::BeginFrame(int width, int height) {
    CDrawEngineBase::BeginFrame(width, height);
    viewportWidth = static_cast<float>(width);
    viewportHeight = static_cast<float>(height);
}

bool CDrawEngineGeneric::DrawFrame() {
    if (context == nullptr)
        return false;
    const ViewState state = context->GetViewState();
    CheckFrameGlError("the frame's set-up");
    if (state.Anaglyph)
        DrawAnaglyphFrame(state);
    else
        DrawMonoFrame(state);
    if (state.TextFlags != 0)
        DrawOnscreenText(state);
    CheckFrameGlError("the on-screen text");
    return true;
}

void CDrawEngineGeneric::DrawScene(const ViewState& state) {
    CMeshComposite* scene = context->Scene();
    const CMeshObject* first = scene->FirstMesh();
    if (state.ShowLights) {
        const MeshParams params = first != nullptr ? first->GetMeshParams() : MeshParams{};
        SetupLighting(state, first != nullptr ? &params : nullptr);
    }
    scene->Draw(context);
    if (state.ShowLights)
        DisableLighting();
    CheckFrameGlError("the surface, its axes and the lights");
    if (state.ShowColorbar) {
        glPushMatrix();
        scene->DrawColorBar(context);
        glPopMatrix();
        CheckFrameGlError("the colour bar");
    }
}

void CDrawEngineGeneric::DrawMonoFrame(const ViewState& state) {
    glViewport(0, 0, static_cast<GLsizei>(viewportWidth), static_cast<GLsizei>(viewportHeight));
    SetMonoProjection(state, viewportWidth / viewportHeight);
    glLoadIdentity();
    PlaceLight(state);
    PlaceMonoCamera(state);
    if (context->Scene() == nullptr)
        return;
    DrawScene(state);
}

void CDrawEngineGeneric::DrawAnaglyphFrame(const ViewState& state) {
    const float aspect = viewportWidth / viewportHeight;
    const GLenum target = DrawTarget();
    glDrawBuffer(target);
    glReadBuffer(target);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, static_cast<GLsizei>(viewportWidth), static_cast<GLsizei>(viewportHeight));
    const StereoEyes eyes = ComputeStereoEyes(state);

    glColorMask(GL_TRUE, GL_FALSE, GL_FALSE, GL_TRUE);
    PlaceStereoEye(state, eyes, aspect, true);
    if (context->Scene() != nullptr)
        DrawScene(state);
    glFlush();
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);

    glDrawBuffer(target);
    glClear(GL_DEPTH_BUFFER_BIT);
    glColorMask(GL_FALSE, GL_TRUE, GL_TRUE, GL_TRUE);
    PlaceStereoEye(state, eyes, aspect, false);
    if (context->Scene() != nullptr)
        DrawScene(state);
    glFlush();
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

void CDrawEngineGeneric::DrawOnscreenText(const ViewState& state) {
    DrawOnscreenBlock(state);
}
