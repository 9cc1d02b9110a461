// CLogarithmicSliderCtrl: a slider whose integer positions stand for a base-10 logarithmic range.
#pragma once

#include "ui/LogarithmicScale.h"
#include "ui/TrackbarSlider.h"

class CLogarithmicSliderCtrl : public TrackbarSlider {
    Q_OBJECT
public:
    explicit CLogarithmicSliderCtrl(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

    void SetRange(float min, float max, float shift);
    // A negative n inverts the slider: position 0 is then the high end.
    void SetSteps(int n);
    // Outside the range the thumb stays where it is.
    void SetValue(float x);
    float GetValue() const { return scale.ValueAt(value()); }
    int PositionFor(float x) const { return scale.PositionFor(x); }
    void AddTick(float x) { AddTickAt(PositionFor(x)); }
    const LogarithmicScale& Scale() const { return scale; }

private:
    LogarithmicScale scale;
};
