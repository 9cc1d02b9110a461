// Glyph metrics of the label font, the measure labels are centred with. They follow the window
// system's outline fonts: one record per character, in units of the em height (1.0 = the
// character height the font was created with), so a label's measured width matches the width
// drawn by the 24-point glyph font scaled by 0.03 (0.96 units per em).
#pragma once

#include <array>
#include <string>
#include <string_view>

struct GlyphMetricsFloat {
    float blackBoxX = 0; // width of the ink box
    float blackBoxY = 0; // height of the ink box
    float originX = 0;   // upper-left corner of the ink box relative to the pen
    float originY = 0;
    float cellIncX = 0; // pen advance
    float cellIncY = 0;
};

inline constexpr int kOutlineGlyphCount = 255; // records; codes 0..253 are filled, 254 stays zero

using GlyphMetricsTable = std::array<GlyphMetricsFloat, kOutlineGlyphCount>;

// Fills `out` for the codes 0..253 of the face in `path` from its outlines at character height 12.
// False (and `out` untouched) when the file cannot be read as a scalable face.
bool ComputeGlyphMetrics(const std::string& path, GlyphMetricsTable* out);

struct LabelSize {
    float width = 0;  // sum of the ink widths of the first 255 characters
    float height = 0; // ink height of the first character
};

// Measures a label; bytes without a record (255) count as zero.
LabelSize MeasureLabel(const GlyphMetricsTable& metrics, std::string_view text);

struct LabelShift {
    float x = 0;
    float y = 0;
};

// Where a label starts for alignment 0 (at the origin), 1 (centred) or 2 (ending at the origin).
LabelShift LabelAlignmentShift(int alignment, LabelSize size);
