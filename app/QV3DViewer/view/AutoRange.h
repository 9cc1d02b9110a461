// The automatic display range of a channel: covers the data but trims a one-sided outlier.
#pragma once

struct CIBWChannel;

struct DisplayRange {
    float range = 0; // MeshParams.ZRange
    float lower = 0; // MeshParams.ZOffset
};

// NaN and infinite values are left out, rows without a finite value too; a range wider than a
// float is held to the largest float. A flat or empty channel gets range 1 about -0.5.
DisplayRange AutoRange(const CIBWChannel& channel);
