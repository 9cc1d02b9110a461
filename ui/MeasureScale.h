// MeasureScale: the linear mapping of a measure slider between trackbar positions and float values.
#pragma once

struct MeasureScale {
    float minValue = 0.0f;  // value at position 0
    float maxValue = 10.0f; // value at position `steps`
    int steps = 100;        // signed number of positions; negative puts the high end first

    int RangeLow() const { return steps < 0 ? steps : 0; }
    int RangeHigh() const { return steps < 0 ? 0 : steps; }
    int PositionFor(float x) const;
    float ValueAt(int position) const;
};
