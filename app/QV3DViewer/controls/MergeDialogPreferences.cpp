#include "app/QV3DViewer/controls/MergeDialogPreferences.h"

ViewerPreferences MergeDialogPreferences(const ViewerPreferences& working, const ViewerPreferences& dialog) {
    ViewerPreferences merged = working;
    merged.UseChannelPalette = dialog.UseChannelPalette;
    merged.AutoScaleChannel = dialog.AutoScaleChannel;
    merged.ZAspectRatio = dialog.ZAspectRatio;
    merged.SpecularFactor = dialog.SpecularFactor;
    merged.ZoomFactor = dialog.ZoomFactor;
    merged.AbsoluteZ = dialog.AbsoluteZ;
    merged.AbsoluteZOverlay = dialog.AbsoluteZOverlay;
    merged.BackColor = dialog.BackColor;
    merged.LightColor = dialog.LightColor;
    merged.OnscreenTextColor = dialog.OnscreenTextColor;
    merged.PaletteIndex = dialog.PaletteIndex;
    return merged;
}
