// MergeDialogPreferences: what the preferences dialog's OK hands to the open view. The dialog edits
// the defaults; of those only the fields below take effect at once, while clipping, the display
// switches, lighting and the NaN colour keep what the user set on the control bar.
#pragma once

#include "ui/ViewerPreferences.h"

// `working` with SpecularFactor, ZAspectRatio, ZoomFactor, UseChannelPalette, AutoScaleChannel,
// AbsoluteZ, AbsoluteZOverlay, PaletteIndex, BackColor, LightColor and OnscreenTextColor taken
// from `dialog`.
ViewerPreferences MergeDialogPreferences(const ViewerPreferences& working, const ViewerPreferences& dialog);
