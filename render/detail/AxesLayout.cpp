// Axis lines, ticks, bounding box and labels of a mesh.
#include "AxesLayout.h"

#include "base/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

namespace {

struct Axis {
    AxisPoint from;
    AxisPoint to;
    AxisPoint tick0;    // position of tick 0
    AxisPoint stride;   // from one tick to the next
    AxisPoint dir;      // tick direction
    AxisPoint opposite; // offset of the repeated axis on the opposite edge
    int count = 0;
};

AxisPoint Add(AxisPoint a, AxisPoint b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
AxisPoint Scale(AxisPoint a, float s) {
    return {a.x * s, a.y * s, a.z * s};
}

void AddAxisLines(const Axis& axis, AxisPoint offset, std::vector<AxisSegment>& lines) {
    lines.push_back({Add(axis.from, offset), Add(axis.to, offset)});
    for (int i = 0; i < axis.count; ++i) {
        const AxisPoint tick = Add(Add(axis.tick0, Scale(axis.stride, static_cast<float>(i))), offset);
        lines.push_back({tick, Add(tick, Scale(axis.dir, kAxisTickLength))});
    }
}

AxisPoint TickPoint(const Axis& axis, int i) {
    return Add(axis.tick0, Scale(axis.stride, static_cast<float>(i)));
}

} // namespace

std::string AxisUnitText(const char (&unit)[8]) {
    return std::string(unit, strnlen(unit, sizeof unit));
}

std::string AxisLabelText(float value, int decimals, bool last, const std::string& unit) {
    std::string format = FormatForDecimals(decimals);
    char text[256];
    if (last) {
        format += " %s";
        std::snprintf(text, sizeof text, format.c_str(), static_cast<double>(value), unit.c_str());
    } else {
        std::snprintf(text, sizeof text, format.c_str(), static_cast<double>(value));
    }
    return text;
}

ColorRGBA AutomaticLabelColor(ColorRGBA back) {
    const int weight = 5 * back.r + 9 * back.g + 2 * back.b;
    return weight < 2064 ? ColorRGBA{255, 255, 255, 255} : ColorRGBA{0, 0, 0, 255};
}

AxesLayout ComputeAxesLayout(const AxesOptions& options, const MeshParams& params) {
    const float e = params.XExtent != 0 ? params.YExtent / params.XExtent * params.Aspect : 0.0f;
    const float h = 10.0f * params.ZScale;
    const float zTurn = static_cast<float>(std::numbers::sqrt2 / 2);

    // A step of 0 or less starts the x and y ticks at the far end of the axis.
    const float xStart = options.XTickStep > 0 ? -5.0f : 5.0f;
    const float yStart = options.YTickStep > 0 ? -5.0f * e : 5.0f * e;
    const Axis x{{-5, -5 * e, 0}, {5, -5 * e, 0}, {xStart, -5 * e, 0}, {10 * options.XTickStep, 0, 0},
                 {0, 1, 0},       {0, 10 * e, 0}, options.XTickCount};
    const Axis y{{-5, -5 * e, 0}, {-5, 5 * e, 0}, {-5, yStart, 0},   {0, 10 * e * options.YTickStep, 0},
                 {1, 0, 0},       {10, 0, 0},     options.YTickCount};
    const Axis z{{-5, 5 * e, 0},
                 {-5, 5 * e, h},
                 {-5, 5 * e, 0},
                 {0, 0, h * options.ZTickStep},
                 {zTurn, -zTurn, 0},
                 {0, 0, 0},
                 options.ZTickCount > 0 ? options.ZTickCount : 0};

    AxesLayout layout;
    const bool opposite = options.Flags & AxesOppositeEdges;
    if (options.Flags & AxesXAxis) {
        AddAxisLines(x, {}, layout.lines);
        if (opposite) {
            AddAxisLines(x, x.opposite, layout.lines);
        }
    }
    if (options.Flags & AxesYAxis) {
        AddAxisLines(y, {}, layout.lines);
        if (opposite) {
            AddAxisLines(y, y.opposite, layout.lines);
        }
    }
    if (options.Flags & AxesZAxis) {
        AddAxisLines(z, {}, layout.lines);
    }

    if (options.Flags & AxesBoundingBox) {
        const float top = h + 0.01f;
        const float y0 = -5 * e;
        const float y1 = 5 * e;
        layout.loops.push_back({AxisPoint{-5, y0, 0}, {5, y0, 0}, {5, y1, 0}, {-5, y1, 0}});
        layout.loops.push_back({AxisPoint{-5, y0, top}, {5, y0, top}, {5, y1, top}, {-5, y1, top}});
        layout.loops.push_back({AxisPoint{-5, y0, 0}, {-5, y1, 0}, {-5, y1, top}, {-5, y0, top}});
        layout.loops.push_back({AxisPoint{5, y0, 0}, {5, y1, 0}, {5, y1, top}, {5, y0, top}});
    }

    const auto addLabels = [&](const Axis& axis, float valueStep, int decimals, const std::string& unit,
                               bool withOpposite, float valueOffset, bool skipFoot) {
        for (int i = skipFoot ? 1 : 0; i < axis.count; ++i) {
            const std::string text = AxisLabelText(valueOffset + static_cast<float>(i) * valueStep, decimals,
                                                   i == axis.count - 1, unit);
            const AxisPoint tick = TickPoint(axis, i);
            layout.labels.push_back({Add(tick, Scale(axis.dir, -kAxisLabelDistance)), text});
            if (withOpposite) {
                layout.labels.push_back(
                    {Add(Add(tick, axis.opposite), Scale(axis.dir, kAxisLabelDistance)), text});
            }
        }
    };
    if (options.Flags & AxesXLabels) {
        addLabels(x, options.XTickStep * params.XExtent, options.XDecimals, AxisUnitText(options.XUnitText),
                  opposite, 0.0f, false);
    }
    if (options.Flags & AxesYLabels) {
        addLabels(y, options.YTickStep * params.YExtent, options.YDecimals, AxisUnitText(options.YUnitText),
                  opposite, 0.0f, false);
    }
    if (options.Flags & AxesZLabels) {
        const bool absolute = options.ZOptions & kAxesAbsoluteZ;
        addLabels(z, options.ZTickStep * options.ZLabelRange, options.ZDecimals,
                  AxisUnitText(options.ZUnitText), false, absolute ? options.ZLabelOffset : 0.0f, !absolute);
    }
    return layout;
}
