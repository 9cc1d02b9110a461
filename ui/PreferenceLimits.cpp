#include "ui/PreferenceLimits.h"

#include "render/CColorTableHandler.h"

#include <algorithm>

namespace {

int Low(PreferenceRange range) {
    return static_cast<int>(range.low);
}

int High(PreferenceRange range) {
    return static_cast<int>(range.high);
}

} // namespace

int EffectiveClipMode(const ViewerPreferences& prefs) {
    const PreferenceRange range = kPreferenceRanges.ClipMode;
    return prefs.ClipMode >= Low(range) && prefs.ClipMode <= High(range) ? prefs.ClipMode
                                                                         : DefaultPreferences.ClipMode;
}

int EffectiveExportFactor(const ViewerPreferences& prefs) {
    const PreferenceRange range = kPreferenceRanges.ExportFactor;
    return std::clamp(prefs.ExportFactor, Low(range), High(range));
}

int EffectivePaletteIndex(const ViewerPreferences& prefs) {
    if (prefs.PaletteIndex >= 0 && prefs.PaletteIndex < CColorTableHandler::GetTableCount()) {
        return prefs.PaletteIndex;
    }
    return CColorTableHandler::GetDefaultIndex();
}

MeshGridSize DecimatedGridSize(const ViewerPreferences& prefs, int columns, int rows) {
    const int xLimit = std::max(prefs.XDecimationThreshold, Low(kPreferenceRanges.XDecimationThreshold));
    const int yLimit = std::max(prefs.YDecimationThreshold, Low(kPreferenceRanges.YDecimationThreshold));
    if (prefs.DecimationEnable && (columns > xLimit || rows > yLimit)) {
        return {std::min(columns, xLimit), std::min(rows, yLimit)};
    }
    return {columns, rows};
}
