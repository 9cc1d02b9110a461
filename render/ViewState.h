// The per-context view record exchanged by value with the render facade.
#pragma once

#include "base/ColorRGBA.h"

#include <cstdint>

struct ViewState {
    std::int32_t Projection = 0;                 // 0 perspective, 1 orthographic
    float Rotate = 0.0f;                         // surface about its vertical axis, degrees
    float Pitch = 0.0f;                          // camera elevation, degrees, [0, 360]
    float LightRotate = 0.0f;                    // light about the view's vertical axis, degrees
    float LightPitch = 0.0f;                     // light elevation, degrees
    float PanX = 0.0f;                           // horizontal shift of the surface
    float PanY = 0.0f;                           // vertical shift of the surface
    float Zoom = 1.0f;                           // camera zoom, at least 0.1
    float EyeSeparation = 0.0f;                  // stereo control, [-1, 2.5]
    float EyeFocus = 0.0f;                       // stereo control, [-1, 1]
    ColorRGBA BackColor{0, 0, 0, 255};           // clear colour
    ColorRGBA LightColor{255, 255, 255, 255};    // light colour
    ColorRGBA OnscreenTextColor{0, 174, 0, 255}; // on-screen text colour
    bool ShowLights = false;                     // lighting on
    bool ShowColorbar = false;                   // colour bar shown
    bool Anaglyph = false;                       // red/cyan stereo frame
    std::int32_t TextFlags = 0;                  // bit 0 help, 1 view, 2 stereo, 4 light
    std::int32_t ColorbarTicks = 5;              // colour-bar labels, [2, 15]
};
