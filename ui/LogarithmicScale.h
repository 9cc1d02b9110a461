// LogarithmicScale: the base-10 mapping of a logarithmic slider between trackbar positions and values.
#pragma once

struct LogarithmicScale {
    float logLow = 0.0f;   // lower end, already shifted by `shift`
    float logHigh = 10.0f; // upper end, already shifted by `shift`
    float shift = 0.1f;    // added to a value before its logarithm, so that 0 can be shown
    int steps = 100;       // number of trackbar positions
    bool inverted = false; // position 0 is the high end

    void SetRange(float low, float high, float shiftBy);
    void SetSteps(int n);
    // Returns false, leaving `position` alone, when x lies outside the range.
    bool PositionInRange(float x, int& position) const;
    int PositionFor(float x) const;
    float ValueAt(int position) const;

private:
    double StepLog() const;
};
