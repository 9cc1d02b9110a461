#include "ui/PreferenceLimits.h"

#include "render/CColorTableHandler.h"

#include <algorithm>

int EffectiveClipMode(const ViewerPreferences& prefs) {
    return prefs.ClipMode >= 0 && prefs.ClipMode <= 2 ? prefs.ClipMode : 0;
}

int EffectiveExportFactor(const ViewerPreferences& prefs) {
    return std::clamp(prefs.ExportFactor, 1, 4);
}

int EffectivePaletteIndex(const ViewerPreferences& prefs) {
    if (prefs.PaletteIndex >= 0 && prefs.PaletteIndex < CColorTableHandler::GetTableCount()) {
        return prefs.PaletteIndex;
    }
    return CColorTableHandler::GetDefaultIndex();
}

MeshGridSize DecimatedGridSize(const ViewerPreferences& prefs, int columns, int rows) {
    const int xLimit = std::max(prefs.XDecimationThreshold, 2);
    const int yLimit = std::max(prefs.YDecimationThreshold, 2);
    if (prefs.DecimationEnable && (columns > xLimit || rows > yLimit)) {
        return {std::min(columns, xLimit), std::min(rows, yLimit)};
    }
    return {columns, rows};
}
