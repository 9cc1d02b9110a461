// The fixed-function camera and light set-up of a frame.
#include <GL/glew.h>

#include "Camera.h"

#include <GL/glu.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr float kPi = 3.1415927f;

float Radians(float degrees) {
    return degrees * kPi / 180.0f;
}
} // namespace

float CameraDistance(float zoom) {
    return 16.0f / zoom;
}

MonoEye ComputeMonoEye(const ViewState& state) {
    float a = state.Pitch + 90.0f;
    if (a == 0.0f)
        a = 0.001f;
    const float d = CameraDistance(state.Zoom);
    const float r = Radians(a);
    const bool flipped = a >= 180.0f && a < 360.0f;
    return MonoEye{Vec3f{0.0f, d * std::cos(r), d * std::sin(r)}, Vec3f{0.0f, flipped ? -1.0f : 1.0f, 0.0f}};
}

StereoEyes ComputeStereoEyes(const ViewState& state) {
    StereoEyes eyes{};
    eyes.Distance = CameraDistance(state.Zoom);
    eyes.FocalLength = (16.0f + 8.0f * state.EyeFocus) / state.Zoom;
    eyes.Separation = eyes.FocalLength / (35.0f + 15.0f * state.EyeSeparation);
    eyes.HalfHeight = 0.1f * std::tan(Radians(45.0f / 2.0f));
    eyes.Shift = 0.5f * eyes.Separation * (0.1f / eyes.FocalLength);
    return eyes;
}

void SetMonoProjection(const ViewState& state, float aspect) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (state.Projection == 1) {
        const double h = CameraDistance(state.Zoom) / 3.0;
        const double w = aspect * h;
        glOrtho(-w, w, -h, h, -1000.0, 1000.0);
    } else {
        gluPerspective(45.0, aspect, 0.5, 1000.0);
    }
    glMatrixMode(GL_MODELVIEW);
}

void PlaceLight(const ViewState& state) {
    glPushMatrix();
    glRotatef(state.LightRotate, 0.0f, 1.0f, 0.0f);
    const float b = state.LightPitch * 6.28f / 360.0f;
    const GLfloat position[4] = {0.0f, 100.0f * std::sin(b), 100.0f * std::cos(b), 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glPopMatrix();
}

void PlaceMonoCamera(const ViewState& state) {
    const MonoEye eye = ComputeMonoEye(state);
    gluLookAt(eye.Eye.x, eye.Eye.y, eye.Eye.z, 0.0, 0.0, 0.0, eye.Up.x, eye.Up.y, eye.Up.z);
    glTranslatef(state.PanX, -state.PanY, 0.0f);
    glRotatef(state.Rotate, 0.0f, 0.0f, 1.0f);
}

void SetupLighting(const ViewState& state, const MeshParams* firstMesh) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const float lr = state.LightColor.r / 255.0f;
    const float lg = state.LightColor.g / 255.0f;
    const float lb = state.LightColor.b / 255.0f;
    float s = 0.5f;
    bool specular = false;
    if (firstMesh != nullptr) {
        s = std::isnan(firstMesh->SpecularFactor) ? 0.0f : std::clamp(firstMesh->SpecularFactor, 0.0f, 1.0f);
        specular = firstMesh->Specular != 0;
    }
    const GLfloat ambient[4] = {0.11f, 0.32f, 0.11f, 1.0f};
    const GLfloat diffuse[4] = {0.08f, 0.25f, 0.24f, 1.0f};
    const GLfloat emission[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, emission);
    const GLfloat lightAmbient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    const GLfloat lightDiffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, lightAmbient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, lightDiffuse);
    if (specular && s > 0.0f) {
        const GLfloat materialSpecular[4] = {lr * s, lg * s, lb * s, 1.0f};
        const GLfloat lightSpecular[4] = {lr, lg, lb, 1.0f};
        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, materialSpecular);
        glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 128.0f * s);
        glLightfv(GL_LIGHT0, GL_SPECULAR, lightSpecular);
    } else {
        const GLfloat none[4] = {0.0f, 0.0f, 0.0f, 0.0f};
        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, none);
        glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0.0f);
        glLightfv(GL_LIGHT0, GL_SPECULAR, none);
    }
    glLightf(GL_LIGHT0, GL_SPOT_EXPONENT, 30.0f);
    glLightf(GL_LIGHT0, GL_SPOT_CUTOFF, 180.0f);
    glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 1.0f);
    glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, 0.0f);
    glLightf(GL_LIGHT0, GL_QUADRATIC_ATTENUATION, 0.0f);
    const GLfloat modelAmbient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, modelAmbient);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHTING);
    glDisable(GL_NORMALIZE);
}

void DisableLighting() {
    glDisable(GL_LIGHT0);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_LIGHTING);
}

void PlaceStereoEye(const ViewState& state, const StereoEyes& eyes, float aspect, bool left) {
    const double shift = left ? eyes.Shift : -eyes.Shift;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-aspect * eyes.HalfHeight + shift, aspect * eyes.HalfHeight + shift, -eyes.HalfHeight,
              eyes.HalfHeight, 0.1, 10000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    float a = state.Pitch;
    if (a == 0.0f)
        a = 0.001f;
    PlaceLight(state);
    // view direction (1, 0, 0) x up (0, 0, 1) = (0, -1, 0), scaled by half the separation.
    const float ry = -eyes.Separation / 2.0f;
    const float side = left ? -1.0f : 1.0f;
    const float px = -eyes.Distance;
    const float py = side * ry;
    gluLookAt(px, py, 0.0, px + 1.0, py, 0.0, 0.0, 0.0, 1.0);
    glRotatef(a - 90.0f, 0.0f, 1.0f, 0.0f);
    glTranslatef(-state.PanY, -state.PanX, 0.0f);
    glRotatef(state.Rotate - 90.0f, 0.0f, 0.0f, 1.0f);
}
