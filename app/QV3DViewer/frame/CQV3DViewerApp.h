// CQV3DViewerApp: starts the viewer: settings store, preferences, the document template, the
// command line, and the framework's open, new and recent-file commands.
#pragma once

#include "app/QV3DViewer/frame/CRecentFileList.h"

#include <QApplication>

#include <functional>
#include <memory>

class CMainFrame;
class CMultiExtSingleDocTemplate;
class CQV3DViewerDoc;
class CQV3DViewerView;

class CQV3DViewerApp : public QApplication {
public:
    static constexpr const char* kCompany = "Quorvane";
    static constexpr const char* kSettingsSection = "Settings";

    CQV3DViewerApp(int& argc, char** argv);
    ~CQV3DViewerApp() override;

    // The start-up steps; false ends the program. `file` empty: a new, empty document.
    bool InitInstance(const QString& file);

    // The single-document open: null when the file cannot be opened or is rejected, which says
    // why in a message box and leaves the file open before as it was.
    CQV3DViewerDoc* OpenDocumentFile(const QString& path);
    void OnFileNew();
    void OnFileOpen();

    CMainFrame* MainFrame() const { return frame.get(); }
    CQV3DViewerView* View() const { return view; }
    CQV3DViewerDoc* Document() const { return document.get(); }
    const CRecentFileList& RecentFiles() const { return recentFiles; }

    // Shows an error to the user, by default in a warning box over the main window; tests put
    // something here that keeps the text instead of waiting for an answer.
    std::function<void(const QString& text)> showError;

    // The settings store's company and application names; also used by the batch mode.
    static void SetStoreNames();
    // CurrentPreferences from the store, or the defaults when it cannot be read.
    static void LoadPreferences();

private:
    void RegisterCommands();
    // The open without its message: on failure `failure` gets the message's text.
    CQV3DViewerDoc* OpenQuietly(const QString& path, QString& failure);
    void AfterOpen();

    std::unique_ptr<CQV3DViewerDoc> document;
    std::unique_ptr<CMultiExtSingleDocTemplate> docTemplate;
    std::unique_ptr<CMainFrame> frame;
    CQV3DViewerView* view = nullptr;
    CRecentFileList recentFiles{4};
};
