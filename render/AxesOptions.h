// The per-mesh axes, ticks, labels and bounding-box record exchanged with the facade. Its first
// 16-bit field holds its size, 84; records with any other size are refused.
#pragma once

#include <cstdint>

struct AxesOptions {
    std::uint16_t Size = 84;
    std::uint16_t Flags = 0; // AxesFlag bits
    float LabelScale = 0.4f; // scale of axis labels
    std::uint16_t XTickCount = 0;
    float XTickStep = 0.0f; // fraction of XExtent between ticks
    char XUnitText[8] = {}; // appended to the last x label
    std::int16_t XDecimals = 1;
    std::uint16_t YTickCount = 0;
    float YTickStep = 0.0f; // fraction of YExtent
    char YUnitText[8] = {};
    std::int16_t YDecimals = 1;
    std::uint16_t ZOptions = 0; // bit value 2: absolute Z
    std::int16_t ZTickCount = 0;
    float ZLabelRange = 1.0f;  // value span of the z axis in label units
    float ZLabelOffset = 0.0f; // value at the foot of the z axis
    float ZTickStep = 0.0f;    // fraction of ZLabelRange
    char ZUnitText[8] = {};
    std::int16_t ZDecimals = 1;
    std::uint8_t Reserved[14] = {}; // keeps the record at its stored size
};

static_assert(sizeof(AxesOptions) == 84);

enum AxesFlag : std::uint16_t {
    AxesXAxis = 0x1,
    AxesYAxis = 0x2,
    AxesZAxis = 0x4,
    AxesOppositeEdges = 0x8,
    AxesXLabels = 0x10,
    AxesYLabels = 0x20,
    AxesZLabels = 0x40,
    AxesAutoLabelColor = 0x100,
    AxesBoundingBox = 0x800,
};

inline constexpr std::uint16_t kAxesAbsoluteZ = 2;
