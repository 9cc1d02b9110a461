#include "app/QV3DViewer/view/CViewWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

CViewWindow::CViewWindow() {
    setSurfaceType(QSurface::OpenGLSurface);
}

bool CViewWindow::event(QEvent* event) {
    if (event->type() == QEvent::UpdateRequest) {
        Paint();
        return true;
    }
    return QWindow::event(event);
}

void CViewWindow::Paint() {
    if (isExposed() && onPaint) {
        onPaint();
    }
}

void CViewWindow::exposeEvent(QExposeEvent* event) {
    (void)event;
    Paint();
}

// Qt 6.4 on Wayland never exposes a child window whose first frame came before its top-level
// was mapped, so the view stayed blank: once the top-level is exposed, showing the child again
// gives it a fresh surface, which is exposed.
void CViewWindow::showEvent(QShowEvent* event) {
    QWindow::showEvent(event);
    if (QGuiApplication::platformName() != QLatin1String("wayland")) {
        return;
    }
    QWindow* top = this;
    while (top->parent() != nullptr) {
        top = top->parent();
    }
    if (top != this) {
        top->installEventFilter(this);
    }
}

bool CViewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed() && !isExposed()) {
        QTimer::singleShot(0, this, [this] {
            if (!isExposed()) {
                hide();
                show();
            }
        });
    }
    return QWindow::eventFilter(watched, event);
}

void CViewWindow::mousePressEvent(QMouseEvent* event) {
    if (onPress) {
        onPress(event);
    }
}

void CViewWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease) {
        onRelease(event);
    }
}

void CViewWindow::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) {
        onMove(event);
    }
}

void CViewWindow::wheelEvent(QWheelEvent* event) {
    if (onWheel) {
        onWheel(event);
    }
}
