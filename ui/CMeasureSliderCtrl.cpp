#include "ui/CMeasureSliderCtrl.h"

#include <QSignalBlocker>

CMeasureSliderCtrl::CMeasureSliderCtrl(Qt::Orientation orientation, QWidget* parent)
    : TrackbarSlider(orientation, parent) {
    setRange(scale.RangeLow(), scale.RangeHigh());
}

void CMeasureSliderCtrl::SetRange(float min, float max) {
    scale.minValue = min;
    scale.maxValue = max;
}

void CMeasureSliderCtrl::SetSteps(int n) {
    const QSignalBlocker quiet(this);
    scale.steps = n;
    setRange(scale.RangeLow(), scale.RangeHigh());
    setTickInterval(7);
}

void CMeasureSliderCtrl::SetValue(float x) {
    const QSignalBlocker quiet(this);
    setValue(scale.PositionFor(x));
    update();
}
