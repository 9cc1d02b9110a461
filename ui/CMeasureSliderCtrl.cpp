#include "ui/CMeasureSliderCtrl.h"

CMeasureSliderCtrl::CMeasureSliderCtrl(Qt::Orientation orientation, QWidget* parent)
    : TrackbarSlider(orientation, parent) {
    setRange(scale.RangeLow(), scale.RangeHigh());
}

void CMeasureSliderCtrl::SetRange(float min, float max) {
    scale.minValue = min;
    scale.maxValue = max;
}

void CMeasureSliderCtrl::SetSteps(int n) {
    scale.steps = n;
    setRange(scale.RangeLow(), scale.RangeHigh());
    setTickInterval(7);
}

void CMeasureSliderCtrl::SetValue(float x) {
    setValue(scale.PositionFor(x));
    update();
}
