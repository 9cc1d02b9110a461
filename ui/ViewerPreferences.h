// ViewerPreferences: every user option of how a surface is shown, copied by value between the
// compiled-in defaults, the application's current record, the view's working copy and the
// preferences dialog. Stored values are loaded without range checks; read ClipMode, ExportFactor,
// PaletteIndex and the decimation thresholds through PreferenceLimits.h.
//
// The fields are listed once, in QV_PREFERENCE_FIELDS: the record, the store, the dialog's merge
// into the open view, the ranges and the tests all go through that list.
#pragma once

#include "base/ColorRGBA.h"

// FIELD(type, name, initial, store, merge, low, high), one row a field:
//   type, name, initial  the member and its compiled-in default
//   store                Stored: kept in the settings store under its name; NotStored: not
//   merge                Merged: the Preferences dialog's OK hands it to the open view; Kept: not
//   low, high            the values it is used within (0, 0: no range)
// clang-format off
#define QV_PREFERENCE_FIELDS(FIELD)                                                              \
    FIELD(int,       ClipMode,             0,       Stored,    Kept,   0, 2)  /* None, Z Clamp, Z Clip */ \
    FIELD(bool,      SpecularEnabled,      false,   NotStored, Kept,   0, 0)                     \
    FIELD(float,     SpecularFactor,       0.5f,    Stored,    Merged, 0, 1)                     \
    FIELD(float,     ZAspectRatio,         0.3333f, Stored,    Merged, 0, 5)  /* vertical exaggeration */ \
    FIELD(float,     ZoomFactor,           0.95f,   Stored,    Merged, 0, 0)  /* camera zoom at start */ \
    FIELD(bool,      OrthoProjection,      false,   Stored,    Kept,   0, 0)                     \
    FIELD(bool,      ShowLabels,           true,    Stored,    Kept,   0, 0)  /* axis labels */  \
    FIELD(bool,      ShowBoundingBox,      false,   Stored,    Kept,   0, 0)                     \
    FIELD(bool,      ShowColorbar,         true,    Stored,    Kept,   0, 0)                     \
    FIELD(bool,      ShowLights,           true,    Stored,    Kept,   0, 0)  /* lighting */     \
    FIELD(bool,      UseChannelPalette,    false,   Stored,    Merged, 0, 0)  /* table named in the note */ \
    FIELD(bool,      AutoScaleChannel,     true,    Stored,    Merged, 0, 0)  /* range computed on opening */ \
    FIELD(bool,      ControlBar,           true,    Stored,    Kept,   0, 0)  /* shown at start */ \
    FIELD(bool,      AbsoluteZ,            false,   Stored,    Merged, 0, 0)  /* main surface */ \
    FIELD(bool,      AbsoluteZOverlay,     true,    Stored,    Merged, 0, 0)  /* overlay surface */ \
    FIELD(bool,      ZAspect1To1,          false,   Stored,    Kept,   0, 0)  /* Z at the scale of X and Y */ \
    FIELD(bool,      Anaglyph,             false,   Stored,    Kept,   0, 0)  /* red/cyan stereo */ \
    FIELD(int,       PaletteIndex,         0,       Stored,    Merged, 0, 0)  /* a built-in table; the store gives 50 */ \
    FIELD(bool,      NegativePalette,      false,   Stored,    Kept,   0, 0)  /* complemented colours */ \
    FIELD(bool,      InvertPalette,        false,   Stored,    Kept,   0, 0)  /* reversed order */ \
    FIELD(int,       ExportFactor,         1,       Stored,    Kept,   1, 4)  /* image-export magnification */ \
    FIELD(bool,      DecimationEnable,     true,    Stored,    Kept,   0, 0)  /* reduce oversize images */ \
    FIELD(int,       XDecimationThreshold, 1024,    Stored,    Kept,   2, 2147483647) /* most columns kept */ \
    FIELD(int,       YDecimationThreshold, 1024,    Stored,    Kept,   2, 2147483647) /* most rows kept */ \
    FIELD(bool,      ReduceWhileMoving,    true,    Stored,    Merged, 0, 0)  /* a lighter mesh while the view moves */ \
    FIELD(ColorRGBA, BackColor,            (ColorRGBA{255, 255, 255, 0}), Stored, Merged, 0, 0)  \
    FIELD(ColorRGBA, LightColor,           (ColorRGBA{255, 255, 255, 0}), Stored, Merged, 0, 0)  \
    FIELD(ColorRGBA, OnscreenTextColor,    (ColorRGBA{0, 176, 0, 255}),   Stored, Merged, 0, 0)  \
    FIELD(ColorRGBA, NaNColor,             (ColorRGBA{0, 0, 255, 255}),   Stored, Kept,   0, 0)
// clang-format on

struct ViewerPreferences {
#define QV_DECLARE_PREFERENCE(type, name, initial, store, merge, low, high) type name = initial;
    QV_PREFERENCE_FIELDS(QV_DECLARE_PREFERENCE)
#undef QV_DECLARE_PREFERENCE
};

enum class PreferenceStore { Stored, NotStored };
enum class PreferenceMerge { Merged, Kept };

// The values a field is used within; low == high == 0 for none.
struct PreferenceRange {
    double low = 0;
    double high = 0;
};

struct PreferenceRanges {
#define QV_PREFERENCE_RANGE(type, name, initial, store, merge, low, high) PreferenceRange name{low, high};
    QV_PREFERENCE_FIELDS(QV_PREFERENCE_RANGE)
#undef QV_PREFERENCE_RANGE
};
inline constexpr PreferenceRanges kPreferenceRanges{};

// Calls visit(name, member, store, merge, range) for every field in the list's order; member is
// a pointer to the field, so one visit can read and write several records.
template <class Visit> void ForEachPreference(Visit&& visit) {
#define QV_VISIT_PREFERENCE(type, name, initial, store, merge, low, high)                             \
    visit(#name, &ViewerPreferences::name, PreferenceStore::store, PreferenceMerge::merge,            \
          PreferenceRange{low, high});
    QV_PREFERENCE_FIELDS(QV_VISIT_PREFERENCE)
#undef QV_VISIT_PREFERENCE
}

// The compiled-in defaults, and the application-wide record copied from them at start-up.
extern const ViewerPreferences DefaultPreferences;
extern ViewerPreferences CurrentPreferences;
