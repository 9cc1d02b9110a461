// CMeasureSliderCtrl: a slider whose integer positions stand for a linear float range.
#pragma once

#include "ui/MeasureScale.h"
#include "ui/TrackbarSlider.h"

class CMeasureSliderCtrl : public TrackbarSlider {
    Q_OBJECT
public:
    explicit CMeasureSliderCtrl(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

    void SetRange(float min, float max);
    // A negative n keeps the high end at the top of a vertical slider.
    void SetSteps(int n);
    void SetValue(float x);
    float GetValue() const { return scale.ValueAt(value()); }
    const MeasureScale& Scale() const { return scale; }

private:
    MeasureScale scale;
};
