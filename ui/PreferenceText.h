// The text forms of the stored preference values. Numbers always use a point as the decimal
// separator, whatever the process locale.
#pragma once

#include "base/ColorRGBA.h"

#include <string>
#include <string_view>

// "%0.05f" of the value.
std::string FormatPreferenceFloat(float value);
// What atof makes of the text's leading part (0 when no number leads), narrowed to float.
float ParsePreferenceFloat(std::string_view text);
// "0x%02X%02X%02X" of r, g, b; alpha is not stored.
std::string FormatPreferenceColor(ColorRGBA colour);
// The text scanned as "%x" (optional sign and "0x"), low 24 bits as r, g, b; alpha 0. Text that
// does not scan gives black.
ColorRGBA ParsePreferenceColor(std::string_view text);
