#include "app/QV3DViewer/ViewPrefs.h"

#include "ui/CProfileSettings.h"
#include "ui/ViewerPreferences.h"

namespace {
Rgba ToRgba(const ColorRGBA& c) {
    return {c.r, c.g, c.b, c.a};
}
} // namespace

ViewPrefs ToViewPrefs(const ViewerPreferences& p) {
    ViewPrefs v;
    v.ClipMode = p.ClipMode;
    v.SpecularEnabled = p.SpecularEnabled;
    v.SpecularFactor = p.SpecularFactor;
    v.ZAspectRatio = p.ZAspectRatio;
    v.ZoomFactor = p.ZoomFactor;
    v.OrthoProjection = p.OrthoProjection;
    v.ShowLabels = p.ShowLabels;
    v.ShowBoundingBox = p.ShowBoundingBox;
    v.ShowColorbar = p.ShowColorbar;
    v.ShowLights = p.ShowLights;
    v.UseChannelPalette = p.UseChannelPalette;
    v.AutoScaleChannel = p.AutoScaleChannel;
    v.AbsoluteZ = p.AbsoluteZ;
    v.AbsoluteZOverlay = p.AbsoluteZOverlay;
    v.ZAspect1To1 = p.ZAspect1To1;
    v.Anaglyph = p.Anaglyph;
    v.PaletteIndex = p.PaletteIndex;
    v.NegativePalette = p.NegativePalette;
    v.InvertPalette = p.InvertPalette;
    v.DecimationEnable = p.DecimationEnable;
    v.XDecimationThreshold = p.XDecimationThreshold;
    v.YDecimationThreshold = p.YDecimationThreshold;
    v.BackColor = ToRgba(p.BackColor);
    v.LightColor = ToRgba(p.LightColor);
    v.OnscreenTextColor = ToRgba(p.OnscreenTextColor);
    v.NaNColor = ToRgba(p.NaNColor);
    return v;
}

ViewPrefs CurrentViewPrefs() {
    return ToViewPrefs(CurrentPreferences);
}

void LoadCurrentPreferences() {
    if (!CProfileSettings::Load(CurrentPreferences)) {
        CurrentPreferences = DefaultPreferences;
    }
}

void SetPreferencesSection(const char* name) {
    CProfileSettings::SetSectionName(name);
}
