// CViewWindow: the GL window inside the view; it passes paints, the mouse and the wheel to the
// view, which owns the controller.
#pragma once

#include <QWindow>

#include <functional>

class CViewWindow : public QWindow {
public:
    CViewWindow();

    std::function<void()> onPaint;
    std::function<void(QMouseEvent*)> onPress;
    std::function<void(QMouseEvent*)> onRelease;
    std::function<void(QMouseEvent*)> onMove;
    std::function<void(QWheelEvent*)> onWheel;

    // Schedules one paint.
    void Repaint() { requestUpdate(); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Paint();
};
