#include "ui/TrackbarSlider.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

TrackbarSlider::TrackbarSlider(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent) {
    const bool vertical = orientation == Qt::Vertical;
    setInvertedAppearance(vertical);
    setInvertedControls(vertical);
}

void TrackbarSlider::AddTickAt(int position) {
    ticks.push_back(position);
    update();
}

void TrackbarSlider::ClearTicks() {
    ticks.clear();
    update();
}

void TrackbarSlider::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    if (ticks.empty()) {
        return;
    }
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const bool vertical = orientation() == Qt::Vertical;
    const int length = vertical ? groove.height() - handle.height() : groove.width() - handle.width();
    const int start = vertical ? groove.top() + handle.height() / 2 : groove.left() + handle.width() / 2;
    const bool before = tickPosition() == QSlider::TicksAbove;

    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const int tick : ticks) {
        if (tick < minimum() || tick > maximum()) {
            continue;
        }
        const int at =
            start + QStyle::sliderPositionFromValue(minimum(), maximum(), tick, length, option.upsideDown);
        if (vertical) {
            const int x = before ? handle.left() - 5 : handle.right() + 2;
            painter.drawLine(x, at, x + 3, at);
        } else {
            const int y = before ? handle.top() - 5 : handle.bottom() + 2;
            painter.drawLine(at, y, at, y + 3);
        }
    }
}
