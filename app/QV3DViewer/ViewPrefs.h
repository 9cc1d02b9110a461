// ViewPrefs: the preference fields the view controller works with, in types of neither the
// preferences library nor the render library, so one file can meet both (their colour records
// are separate types).
#pragma once

#include <array>
#include <cstdint>

struct ViewerPreferences;

using Rgba = std::array<std::uint8_t, 4>; // r, g, b, a

struct ViewPrefs {
    int ClipMode = 0;
    bool SpecularEnabled = false;
    float SpecularFactor = 0.5f;
    float ZAspectRatio = 0.3333f;
    float ZoomFactor = 0.95f;
    bool OrthoProjection = false;
    bool ShowLabels = true;
    bool ShowBoundingBox = false;
    bool ShowColorbar = true;
    bool ShowLights = true;
    bool UseChannelPalette = false;
    bool AutoScaleChannel = true;
    bool AbsoluteZ = false;
    bool AbsoluteZOverlay = true;
    bool ZAspect1To1 = false;
    bool Anaglyph = false;
    int PaletteIndex = 0;
    bool NegativePalette = false;
    bool InvertPalette = false;
    bool DecimationEnable = true;
    int XDecimationThreshold = 1024;
    int YDecimationThreshold = 1024;
    Rgba BackColor{255, 255, 255, 0};
    Rgba LightColor{255, 255, 255, 0};
    Rgba OnscreenTextColor{0, 176, 0, 255};
    Rgba NaNColor{0, 0, 255, 255};
};

ViewPrefs ToViewPrefs(const ViewerPreferences& prefs);
// CurrentPreferences, the application-wide record.
ViewPrefs CurrentViewPrefs();
// The settings section the preferences live in.
void SetPreferencesSection(const char* name);
// Fills CurrentPreferences from the settings store, or with the defaults when it cannot be read.
void LoadCurrentPreferences();
