#include "app/QV3DViewer/controls/MergeDialogPreferences.h"

ViewerPreferences MergeDialogPreferences(const ViewerPreferences& working, const ViewerPreferences& dialog) {
    ViewerPreferences merged = working;
    ForEachPreference([&](const char*, auto member, PreferenceStore, PreferenceMerge merge, PreferenceRange) {
        if (merge == PreferenceMerge::Merged) {
            merged.*member = dialog.*member;
        }
    });
    return merged;
}
