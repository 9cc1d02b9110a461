#include "app/QV3DViewer/CQV3DViewerView.h"

#include "app/QV3DViewer/CChannelBar.h"
#include "app/QV3DViewer/CMainFrame.h"
#include "app/QV3DViewer/CQV3DViewerDoc.h"
#include "render/Windows1252.h"
#include "ui/ViewerPreferences.h"

CQV3DViewerView::CQV3DViewerView(CQV3DViewerDoc* document_, CMainFrame* frame_)
    : QWidget(frame_), document(document_), frame(frame_), mainPalette(CurrentPreferences.PaletteIndex) {
    setMinimumSize(200, 150);
}

void CQV3DViewerView::OnInitialUpdate() {
    const CIBWReader& reader = document->GetReader();
    if (reader.GetChannel(0) == nullptr) {
        return;
    }
    mainChannel = 0;
    CChannelBar* bar = frame->ChannelBar();
    bar->ResetChannels();
    for (int i = 0; i < reader.channelCount; ++i) {
        if (const CIBWChannel* channel = reader.GetChannel(i)) {
            bar->AddChannel(QString::fromStdString(Windows1252ToUtf8(channel->name)));
        }
    }
    bar->SetChannelSel(0);
    bar->SetPaletteSel(mainPalette);
}

void CQV3DViewerView::OnChannel(int index) {
    if (document->GetReader().GetChannel(index) == nullptr) {
        return;
    }
    mainChannel = index;
    frame->ChannelBar()->SetPaletteSel(mainPalette);
    update();
}

void CQV3DViewerView::OnPalette(int index) {
    mainPalette = index;
    update();
}
