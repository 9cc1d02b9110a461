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
    updateGeometry();
    update();
}

void TrackbarSlider::ClearTicks() {
    ticks.clear();
    updateGeometry();
    update();
}

namespace {

constexpr int kTickRoom = 6; // a tick line, its gap from the handle and a pixel to spare

} // namespace

// Room on both sides keeps the groove centred where the style puts it without ticks.
QSize TrackbarSlider::WithTickRoom(QSize size) const {
    if (ticks.empty() || tickPosition() != QSlider::NoTicks) {
        return size;
    }
    return orientation() == Qt::Vertical ? size + QSize(2 * kTickRoom, 0) : size + QSize(0, 2 * kTickRoom);
}

QSize TrackbarSlider::sizeHint() const {
    return WithTickRoom(QSlider::sizeHint());
}

QSize TrackbarSlider::minimumSizeHint() const {
    return WithTickRoom(QSlider::minimumSizeHint());
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
