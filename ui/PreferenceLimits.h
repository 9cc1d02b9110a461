// Safe readings of the preference fields that the store loads without a range check. Whoever
// indexes, multiplies or allocates with ClipMode, ExportFactor, PaletteIndex or the decimation
// thresholds goes through these, so a damaged store can never index out of bounds.
#pragma once

#include "ui/ViewerPreferences.h"

struct MeshGridSize {
    int columns = 0;
    int rows = 0;
};

// 0, 1 or 2; anything else is 0 ("None").
int EffectiveClipMode(const ViewerPreferences& prefs);
// 1..4; values outside are clamped to the nearest end.
int EffectiveExportFactor(const ViewerPreferences& prefs);
// A valid built-in colour-table index; anything else is the default table's index.
int EffectivePaletteIndex(const ViewerPreferences& prefs);
// The mesh size for an image of columns x rows: reduced to the thresholds when decimation is on
// and the image exceeds them. Thresholds below 2 count as 2, the smallest grid a surface needs.
MeshGridSize DecimatedGridSize(const ViewerPreferences& prefs, int columns, int rows);
