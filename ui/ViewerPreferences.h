// ViewerPreferences: every user option of how a surface is shown, copied by value between the
// compiled-in defaults, the application's current record, the view's working copy and the
// preferences dialog. Stored values are loaded without range checks; read ClipMode, ExportFactor,
// PaletteIndex and the decimation thresholds through PreferenceLimits.h.
#pragma once

#include "base/ColorRGBA.h"

struct ViewerPreferences {
    int ClipMode = 0;                // 0 "None", 1 "Z Clamp", 2 "Z Clip"
    bool SpecularEnabled = false;    // not persisted
    float SpecularFactor = 0.5f;     // 0..1
    float ZAspectRatio = 0.3333f;    // vertical exaggeration, 0..5
    float ZoomFactor = 0.95f;        // camera zoom of the start position
    bool OrthoProjection = false;    // orthographic instead of perspective
    bool ShowLabels = true;          // axis labels
    bool ShowBoundingBox = false;    // box around the surface
    bool ShowColorbar = true;        // colour bar
    bool ShowLights = true;          // lighting
    bool UseChannelPalette = false;  // colour table named in the wave note
    bool AutoScaleChannel = true;    // compute the display range on opening
    bool ControlBar = true;          // control bar shown at start
    bool AbsoluteZ = false;          // main surface
    bool AbsoluteZOverlay = true;    // overlay surface
    bool ZAspect1To1 = false;        // Z at the scale of X and Y
    bool Anaglyph = false;           // red/cyan stereo
    int PaletteIndex = 0;            // built-in colour table; 50 when read from the store
    bool NegativePalette = false;    // complemented colours
    bool InvertPalette = false;      // reversed order
    int ExportFactor = 1;            // image-export magnification, 1..4
    bool DecimationEnable = true;    // reduce oversize images before meshing
    int XDecimationThreshold = 1024; // most columns kept
    int YDecimationThreshold = 1024; // most rows kept
    ColorRGBA BackColor = {255, 255, 255, 0};
    ColorRGBA LightColor = {255, 255, 255, 0};
    ColorRGBA OnscreenTextColor = {0, 176, 0, 255};
    ColorRGBA NaNColor = {0, 0, 255, 255};
};

// The compiled-in defaults, and the application-wide record copied from them at start-up.
extern const ViewerPreferences DefaultPreferences;
extern ViewerPreferences CurrentPreferences;
