// Axis lines, ticks, bounding box and labels of a mesh.
#include "AxesLayout.h"

#include "base/NumberFormat.h"

#include <cmath>
#include <cstring>
#include <numbers>
#include <utility>

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

AxisPoint TurnAboutZ(AxisPoint p, float degrees) {
    const double r = degrees * std::numbers::pi / 180;
    const auto c = static_cast<float>(std::cos(r));
    const auto s = static_cast<float>(std::sin(r));
    return {c * p.x - s * p.y, s * p.x + c * p.y, p.z};
}

// A model point in the eye's frame; the eye looks down its -z.
AxisPoint ToEye(const std::array<float, 16>& m, AxisPoint p) {
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12], m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

// The inverse of ToEye for a model-view matrix without scaling (a camera, a pan and turns).
AxisPoint FromEye(const std::array<float, 16>& m, AxisPoint e) {
    const AxisPoint d{e.x - m[12], e.y - m[13], e.z - m[14]};
    return {m[0] * d.x + m[1] * d.y + m[2] * d.z, m[4] * d.x + m[5] * d.y + m[6] * d.z,
            m[8] * d.x + m[9] * d.y + m[10] * d.z};
}

// A z label beside its tick as the viewer sees it at rotation 0. In perspective the label keeps
// that view's offset from its tick on screen and its size there, however near the tick now is.
AxisLabel StandingLabel(AxisPoint tick, AxisPoint outward, const AxesEye& eye, std::string text) {
    if (!eye.perspective) {
        return {Add(tick, TurnAboutZ(outward, -eye.rotate)), std::move(text), 1};
    }
    // The model-view matrix ends with the turn about z: undoing it shows the view at rotation 0.
    const std::array<float, 16>& m = eye.modelView;
    const AxisPoint turned = TurnAboutZ(outward, -eye.rotate);
    const AxisPoint tickAtZero = TurnAboutZ(tick, -eye.rotate);
    const AxisPoint t0 = ToEye(m, tickAtZero);
    const AxisPoint l0 = ToEye(m, Add(tickAtZero, turned));
    const AxisPoint t = ToEye(m, tick);
    if (!(t0.z < 0 && l0.z < 0 && t.z < 0)) {
        return {Add(tick, turned), std::move(text), 1};
    }
    // Screen places are x and y over the depth -z.
    const float scale = t.z / t0.z;
    const float depth = -l0.z * scale;
    const float sx = t.x / -t.z + (l0.x / -l0.z - t0.x / -t0.z);
    const float sy = t.y / -t.z + (l0.y / -l0.z - t0.y / -t0.z);
    return {FromEye(m, {sx * depth, sy * depth, -depth}), std::move(text), scale};
}

} // namespace

std::string AxisUnitText(const char (&unit)[8]) {
    return std::string(unit, strnlen(unit, sizeof unit));
}

std::string AxisLabelText(float value, int decimals, bool last, const std::string& unit) {
    std::string text = FormatDecimals(value, decimals);
    if (last) {
        text += ' ';
        text += unit;
    }
    return text;
}

ColorRGBA AutomaticLabelColor(ColorRGBA back) {
    const int weight = 5 * back.r + 9 * back.g + 2 * back.b;
    return weight < 2064 ? ColorRGBA{255, 255, 255, 255} : ColorRGBA{0, 0, 0, 255};
}

AxesLayout ComputeAxesLayout(const AxesOptions& options, const MeshParams& params, const AxesEye* eye) {
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
                               bool withOpposite, float valueOffset, bool skipFoot, const AxesEye* standing) {
        for (int i = skipFoot ? 1 : 0; i < axis.count; ++i) {
            std::string text = AxisLabelText(valueOffset + static_cast<float>(i) * valueStep, decimals,
                                             i == axis.count - 1, unit);
            const AxisPoint tick = TickPoint(axis, i);
            const AxisPoint outward = Scale(axis.dir, -kAxisLabelDistance);
            if (standing != nullptr) {
                layout.labels.push_back(StandingLabel(tick, outward, *standing, std::move(text)));
                continue;
            }
            layout.labels.push_back({Add(tick, outward), text});
            if (withOpposite) {
                layout.labels.push_back(
                    {Add(Add(tick, axis.opposite), Scale(axis.dir, kAxisLabelDistance)), text});
            }
        }
    };
    if (options.Flags & AxesXLabels) {
        addLabels(x, options.XTickStep * params.XExtent, options.XDecimals, AxisUnitText(options.XUnitText),
                  opposite, 0.0f, false, nullptr);
    }
    if (options.Flags & AxesYLabels) {
        addLabels(y, options.YTickStep * params.YExtent, options.YDecimals, AxisUnitText(options.YUnitText),
                  opposite, 0.0f, false, nullptr);
    }
    if (options.Flags & AxesZLabels) {
        const bool absolute = options.ZOptions & kAxesAbsoluteZ;
        addLabels(z, options.ZTickStep * options.ZLabelRange, options.ZDecimals,
                  AxisUnitText(options.ZUnitText), false, absolute ? options.ZLabelOffset : 0.0f, !absolute,
                  eye);
    }
    return layout;
}
