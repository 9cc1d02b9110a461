#include "ui/ViewerPreferences.h"

// Both in this file so that the defaults are complete before the current record copies them.
const ViewerPreferences DefaultPreferences;
ViewerPreferences CurrentPreferences = DefaultPreferences;
