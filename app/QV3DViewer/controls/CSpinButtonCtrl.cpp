#include "app/QV3DViewer/controls/CSpinButtonCtrl.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

CSpinButtonCtrl::CSpinButtonCtrl(QWidget* buddy_, QWidget* parent) : QWidget(parent), buddy(buddy_) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(AddArrow(Qt::UpArrow, +1));
    layout->addWidget(AddArrow(Qt::DownArrow, -1));
    const int height = buddy->sizeHint().height();
    setFixedSize(std::max(12, height * 2 / 3), height);
    buddy->installEventFilter(this);
}

QToolButton* CSpinButtonCtrl::AddArrow(Qt::ArrowType arrow, int direction) {
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(button, &QToolButton::pressed, this, [this] { held.start(); });
    connect(button, &QToolButton::clicked, this, [this, direction] { StepBy(direction, held.elapsed()); });
    return button;
}

void CSpinButtonCtrl::SetRange(int low_, int high_) {
    low = std::min(low_, high_);
    high = std::max(low_, high_);
    position = std::clamp(position, low, high);
}

void CSpinButtonCtrl::SetPos(int next) {
    position = std::clamp(next, low, high);
}

void CSpinButtonCtrl::SetAccel(std::vector<Accel> table) {
    if (!table.empty()) {
        accel = std::move(table);
    }
}

int CSpinButtonCtrl::StepAfter(qint64 milliseconds) const {
    int step = accel.front().step;
    for (const Accel& entry : accel) {
        if (milliseconds >= qint64{entry.seconds} * 1000) {
            step = entry.step;
        }
    }
    return step;
}

void CSpinButtonCtrl::StepBy(int direction, qint64 milliseconds) {
    const int next = std::clamp(position + direction * StepAfter(milliseconds), low, high);
    if (next == position) {
        return;
    }
    position = next;
    if (positionChanged) {
        positionChanged(position);
    }
}

bool CSpinButtonCtrl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            StepBy(key->key() == Qt::Key_Up ? +1 : -1, 0);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
