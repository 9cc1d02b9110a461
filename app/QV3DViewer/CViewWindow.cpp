#include "app/QV3DViewer/CViewWindow.h"

#include <QEvent>

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
