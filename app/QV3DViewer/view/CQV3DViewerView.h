// CQV3DViewerView: the one view of the document. It holds the view controller and its GL
// window, draws nothing itself (every paint asks the render facade), passes the mouse to the
// controller and keeps the channel bar and the control bar on the open image. Its commands are
// registered by the application.
#pragma once

#include "app/QV3DViewer/view/ViewController.h"

#include <QWidget>

class CMainFrame;
class CQV3DViewerDoc;
class CViewWindow;
class QTimer;

class CQV3DViewerView : public QWidget {
public:
    CQV3DViewerView(CQV3DViewerDoc* document, CMainFrame* frame);
    ~CQV3DViewerView() override;

    // After every successful open and every new document.
    void OnInitialUpdate();
    // Channel-bar entry points.
    void OnChannel(int index);
    void OnPalette(int index);
    // Flips one on-screen text bit and repaints.
    void ToggleTextFlag(int bit);

    CQV3DViewerDoc* GetDocument() const { return document; }
    ViewController& Controller() { return controller; }
    CViewWindow* Window() const { return window; }

private:
    // The open file's channel names, for the channel bar and the control bar's overlay list.
    QStringList ChannelNames() const;
    void OnPress(QMouseEvent* event);
    void OnRelease(QMouseEvent* event);
    void OnMove(QMouseEvent* event);
    void OnWheel(QWheelEvent* event);
    void Paint();

    // After the last wheel step, the time until the full mesh is drawn again.
    static constexpr int kWheelRestMs = 150;

    ViewController controller;
    int pressButton = 0;

    CQV3DViewerDoc* document;
    CMainFrame* frame;
    CViewWindow* window;
    QTimer* wheelRest;
    bool captured = false;
};
