// Text output into the current GL context with the fonts of its share group. Saves and restores
// the GL state it changes.
#pragma once

#include "render/ViewState.h"

// One line at the model-view origin in its x-y plane, 0.03 units per font pixel, with the label
// font: alignment 0 starts at the origin, 1 centres on it, 2 ends at it (1 and 2 also centre it
// vertically). Alignment moves the current matrix; callers push around it.
void DrawLabel(int alignment, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Lines in window pixels with font 0 "Courier New" or 1 "Arial"; (x, y) is the first line's
// origin from the bottom-left corner, or from the top-left corner when `fromTop`.
void DrawScreenText(bool fromTop, int font, float x, float y, const char* format, ...)
    __attribute__((format(printf, 5, 6)));

// The help and information block of the view's TextFlags, 10 pixels from the top-left corner.
void DrawOnscreenBlock(const ViewState& view);
