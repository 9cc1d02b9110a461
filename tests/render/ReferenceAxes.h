// The axes of the reference surface (20 x 20 µm, 40 nm high): five ticks a quarter apart on each
// axis, no decimals, the units as the viewer writes them (µm as the byte 0xB5).
#pragma once

#include "render/AxesOptions.h"

#include <cstring>

inline void SetReferenceAxes(AxesOptions* options) {
    options->XTickCount = options->YTickCount = options->ZTickCount = 5;
    options->XTickStep = options->YTickStep = options->ZTickStep = 0.25f;
    options->XDecimals = options->YDecimals = options->ZDecimals = 0;
    options->ZLabelRange = 40;
    std::strcpy(options->XUnitText, "\xB5m");
    std::strcpy(options->YUnitText, "\xB5m");
    std::strcpy(options->ZUnitText, "nm");
}
