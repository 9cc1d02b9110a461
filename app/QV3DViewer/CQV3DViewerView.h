// CQV3DViewerView: the one view of the document; it fills the channel bar from the document at
// every initial update and handles the view's commands.
#pragma once

#include <QWidget>

class CMainFrame;
class CQV3DViewerDoc;

class CQV3DViewerView : public QWidget {
public:
    CQV3DViewerView(CQV3DViewerDoc* document, CMainFrame* frame);

    // After every successful open and every new document.
    void OnInitialUpdate();
    // Channel-bar entry points.
    void OnChannel(int index);
    void OnPalette(int index);

    CQV3DViewerDoc* GetDocument() const { return document; }
    int MainChannel() const { return mainChannel; }
    int MainPalette() const { return mainPalette; }

private:
    CQV3DViewerDoc* document;
    CMainFrame* frame;
    int mainChannel = 0;
    int mainPalette = 0;
};
