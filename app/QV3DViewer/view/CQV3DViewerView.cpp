#include "app/QV3DViewer/view/CQV3DViewerView.h"

#include "app/QV3DViewer/frame/CChannelBar.h"
#include "app/QV3DViewer/frame/CMainFrame.h"
#include "app/QV3DViewer/document/CQV3DViewerDoc.h"
#include "app/QV3DViewer/controls/CViewControls.h"
#include "app/QV3DViewer/view/CViewWindow.h"
#include "app/QV3DViewer/view/DragViewState.h"
#include "base/Windows1252.h"

#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

int ButtonIndex(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return dragLeft;
    case Qt::RightButton:
        return dragRight;
    case Qt::MiddleButton:
        return dragMiddle;
    default:
        return -1;
    }
}

unsigned KeyFlags(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? kKeyShift : 0u) |
           (modifiers & Qt::ControlModifier ? kKeyControl : 0u);
}

} // namespace

CQV3DViewerView::CQV3DViewerView(CQV3DViewerDoc* document_, CMainFrame* frame_)
    : QWidget(frame_), document(document_), frame(frame_), window(new CViewWindow),
      wheelRest(new QTimer(this)) {
    setMinimumSize(200, 150);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(QWidget::createWindowContainer(window, this));
    window->onPaint = [this] { Paint(); };
    window->onPress = [this](QMouseEvent* e) { OnPress(e); };
    window->onRelease = [this](QMouseEvent* e) { OnRelease(e); };
    window->onMove = [this](QMouseEvent* e) { OnMove(e); };
    window->onWheel = [this](QWheelEvent* e) { OnWheel(e); };
    controller.SetPaletteHook([this](int index) { frame->ChannelBar()->SetPaletteSel(index); });
    // Wheel steps come one by one: the full mesh is back once they pause.
    wheelRest->setSingleShot(true);
    wheelRest->setInterval(kWheelRestMs);
    connect(wheelRest, &QTimer::timeout, this, [this] {
        if (!captured && controller.EndMotion()) {
            window->Repaint();
        }
    });
}

CQV3DViewerView::~CQV3DViewerView() {
    controller.Release();
}

void CQV3DViewerView::ToggleTextFlag(int bit) {
    controller.SetTextFlags(controller.GetTextFlags() ^ bit);
    window->Repaint();
}

void CQV3DViewerView::OnInitialUpdate() {
    window->create();
    controller.AttachWindow(window);
    ViewController::RegisterColourTables();
    CIBWReader& reader = document->GetReader();
    if (reader.GetChannel(0) == nullptr) {
        // Nothing is shown, so neither bar may offer the last file's channels or values.
        frame->ChannelBar()->ResetChannels();
        frame->ViewControls()->Detach();
        window->Repaint();
        return;
    }
    controller.SelectChannel(&reader, 0);
    CChannelBar* bar = frame->ChannelBar();
    bar->ResetChannels();
    for (const QString& name : ChannelNames()) {
        bar->AddChannel(name);
    }
    bar->SetChannelSel(0);
    bar->SetPaletteSel(controller.MainPalette());
    frame->ViewControls()->Attach(&controller, [this] { window->Repaint(); });
    frame->ViewControls()->ResetForImage(ChannelNames());
    window->Repaint();
}

QStringList CQV3DViewerView::ChannelNames() const {
    QStringList names;
    const CIBWReader& reader = document->GetReader();
    for (int i = 0; i < reader.channelCount; ++i) {
        if (const CIBWChannel* channel = reader.GetChannel(i)) {
            names << QString::fromStdString(Windows1252ToUtf8(channel->name, Undefined1252::C1Control));
        }
    }
    return names;
}

void CQV3DViewerView::OnChannel(int index) {
    controller.SelectChannel(&document->GetReader(), index);
    frame->ViewControls()->ResetForImage(ChannelNames());
    frame->ChannelBar()->SetPaletteSel(controller.MainPalette());
    window->Repaint();
}

void CQV3DViewerView::OnPalette(int index) {
    controller.SetPalette(index);
    window->Repaint();
}

void CQV3DViewerView::Paint() {
    const qreal ratio = window->devicePixelRatio();
    controller.Draw(static_cast<int>(window->width() * ratio), static_cast<int>(window->height() * ratio));
}

void CQV3DViewerView::OnPress(QMouseEvent* event) {
    const int button = ButtonIndex(event->button());
    if (button < 0 || captured) {
        return;
    }
    captured = true;
    pressButton = button;
    const QPoint p = event->position().toPoint();
    controller.MouseDown(pressButton, KeyFlags(event->modifiers()), p.x(), p.y());
}

void CQV3DViewerView::OnRelease(QMouseEvent* event) {
    // Only the button that started the drag ends it.
    if (!captured || ButtonIndex(event->button()) != pressButton) {
        return;
    }
    captured = false;
    const QPoint p = event->position().toPoint();
    if (controller.MouseUp(pressButton, KeyFlags(event->modifiers()), p.x(), p.y())) {
        window->Repaint();
    }
}

void CQV3DViewerView::OnMove(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (captured && controller.MouseDrag(pressButton, KeyFlags(event->modifiers()), p.x(), p.y())) {
        window->Repaint();
    }
}

void CQV3DViewerView::OnWheel(QWheelEvent* event) {
    const float steps = static_cast<float>(static_cast<std::int16_t>(event->angleDelta().y())) / 120.0f;
    const QPoint p = event->position().toPoint();
    controller.Wheel(0, KeyFlags(event->modifiers()), steps, p.x(), p.y());
    wheelRest->start();
    window->Repaint();
}
