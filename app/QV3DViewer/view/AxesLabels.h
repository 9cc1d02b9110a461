// The arithmetic of SetupAxes: label units with a common SI prefix for x and y, tick counts,
// steps and decimals for the three axes. Unit texts are Windows-1252 bytes.
#pragma once

#include <string>

struct CIBWChannel;

struct AxisTicks {
    int count = 0;  // ticks and labels
    float step = 0; // fraction of the axis span between ticks
    int decimals = 1;
};

struct AxesLabels {
    float xExtent = 0; // the channel's x span in label units (the mesh's new XExtent)
    float yExtent = 0;
    std::string xUnit; // label unit texts, prefix included
    std::string yUnit;
    std::string zUnit;
    AxisTicks x;
    AxisTicks y;
    AxisTicks z;
    float zLabelRange = 1;  // the display range in z label units
    float zLabelOffset = 0; // its lower end, with the range's prefix
};

// zRange, zOffset and zScale are the mesh's display range and vertical scale.
AxesLabels ComputeAxesLabels(const CIBWChannel& channel, float zRange, float zOffset, float zScale);
