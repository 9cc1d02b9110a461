#include "ui/CLogarithmicSliderCtrl.h"

#include <QSignalBlocker>

CLogarithmicSliderCtrl::CLogarithmicSliderCtrl(Qt::Orientation orientation, QWidget* parent)
    : TrackbarSlider(orientation, parent) {
    setRange(0, scale.steps);
}

void CLogarithmicSliderCtrl::SetRange(float min, float max, float shift) {
    scale.SetRange(min, max, shift);
}

void CLogarithmicSliderCtrl::SetSteps(int n) {
    const QSignalBlocker quiet(this);
    scale.SetSteps(n);
    setRange(0, scale.steps);
}

void CLogarithmicSliderCtrl::SetValue(float x) {
    int position = 0;
    if (scale.PositionInRange(x, position)) {
        const QSignalBlocker quiet(this);
        setValue(position);
        update();
    }
}
