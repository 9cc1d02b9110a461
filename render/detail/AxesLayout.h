// GL-free layout of the axes of one mesh: the axis lines and ticks, the bounding-box loops and
// every label with its text, in model coordinates (grid x in [-5, 5], y in [-5E, 5E], z in [0, H]).
#pragma once

#include "render/AxesOptions.h"
#include "base/ColorRGBA.h"
#include "render/MeshParams.h"

#include <array>
#include <string>
#include <vector>

struct AxisPoint {
    float x = 0;
    float y = 0;
    float z = 0;
};

struct AxisSegment {
    AxisPoint from;
    AxisPoint to;
};

struct AxisLabel {
    AxisPoint position;
    std::string text; // Windows-1252 bytes
    float scale = 1;  // on top of the record's LabelScale
};

struct AxesLayout {
    std::vector<AxisSegment> lines;              // axis lines and ticks, drawn as GL_LINES
    std::vector<std::array<AxisPoint, 4>> loops; // bounding box: bottom, top, side x = -5, side x = 5
    std::vector<AxisLabel> labels;               // x, y, then z labels, each centred on its point
};

inline constexpr float kAxisTickLength = 0.25f;
inline constexpr float kAxisLabelDistance = 0.875f; // 3.5 tick lengths outside the edge

// How the model is seen when the axes are drawn: the model-view matrix (column-major, as GL
// returns it), the view's rotation about z (the last turn of that matrix) and the projection.
struct AxesEye {
    std::array<float, 16> modelView{};
    float rotate = 0;
    bool perspective = true;
};

// With an eye, the z labels keep the place beside their ticks and the size on screen they have at
// rotation 0, where the z axis stands at the back: turned towards the front, its corner comes
// close to the camera, which would enlarge the labels and push them away from the ticks.
AxesLayout ComputeAxesLayout(const AxesOptions& options, const MeshParams& params,
                             const AxesEye* eye = nullptr);

// A unit text of at most 8 bytes; the stored field need not be NUL-terminated.
std::string AxisUnitText(const char (&unit)[8]);

// The label text of one tick: the axis format applied to the value, the unit after the last one.
std::string AxisLabelText(float value, int decimals, bool last, const std::string& unit);

// White on dark backgrounds, black on light ones (with automatic label colour).
ColorRGBA AutomaticLabelColor(ColorRGBA back);
