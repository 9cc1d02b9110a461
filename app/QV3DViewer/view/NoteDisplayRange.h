// The display range stored in the wave note ("Display Offset n", "Display Range n").
#pragma once

#include "app/QV3DViewer/view/AutoRange.h"

#include <string>

// The offset is the centre of the range; an empty or non-numeric text reads as 0.
DisplayRange NoteDisplayRange(const std::string& offsetText, const std::string& rangeText);

// The leading number of a text as the C library's atof reads it, but always with a point as the
// decimal separator, whatever the process locale.
double LeadingDouble(const std::string& text);
