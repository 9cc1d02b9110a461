// Projection, camera, light and the two anaglyph eyes computed from a view record.
#pragma once

#include "render/MeshParams.h"
#include "render/ViewState.h"

struct Vec3f {
    float x, y, z;
};

struct MonoEye {
    Vec3f Eye;
    Vec3f Up;
};

struct StereoEyes {
    float Distance;    // camera distance d
    float FocalLength; // f
    float Separation;  // e
    float HalfHeight;  // wd2 at the near plane
    float Shift;       // frustum shift of each eye at the near plane
};

// Camera distance for a zoom.
float CameraDistance(float zoom);
MonoEye ComputeMonoEye(const ViewState& state);
StereoEyes ComputeStereoEyes(const ViewState& state);

void SetMonoProjection(const ViewState& state, float aspect);
// Positional light, fixed relative to the viewer: call with the identity model-view.
void PlaceLight(const ViewState& state);
void PlaceMonoCamera(const ViewState& state);
// `firstMesh` null: the scene has no mesh.
void SetupLighting(const ViewState& state, const MeshParams* firstMesh);
void DisableLighting();
// One eye of the anaglyph frame; `left` selects the eye.
void PlaceStereoEye(const ViewState& state, const StereoEyes& eyes, float aspect, bool left);
