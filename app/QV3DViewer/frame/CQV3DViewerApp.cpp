#include "app/QV3DViewer/frame/CQV3DViewerApp.h"

#include "app/QV3DViewer/frame/CAboutDlg.h"
#include "app/QV3DViewer/frame/CChannelBar.h"
#include "app/QV3DViewer/frame/CMainFrame.h"
#include "app/QV3DViewer/document/CMultiExtSingleDocTemplate.h"
#include "app/QV3DViewer/document/CQV3DViewerDoc.h"
#include "app/QV3DViewer/view/CQV3DViewerView.h"
#include "app/QV3DViewer/frame/CommandIds.h"
#include "app/QV3DViewer/frame/OpenFailureMessage.h"
#include "app/QV3DViewer/controls/PreferencesCommand.h"
#include "app/QV3DViewer/output/ExportCommands.h"
#include "app/QV3DViewer/output/ImageOutputCommands.h"
#include "app/QV3DViewer/Version.h"
#include "ui/CProfileSettings.h"
#include "ui/ViewerPreferences.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

CQV3DViewerApp::CQV3DViewerApp(int& argc, char** argv) : QApplication(argc, argv) {
    showError = [this](const QString& text) {
        QMessageBox::warning(frame.get(), QString::fromLatin1(kAppTitle), text);
    };
}

CQV3DViewerApp::~CQV3DViewerApp() = default;

void CQV3DViewerApp::SetStoreNames() {
    QCoreApplication::setOrganizationName(QString::fromLatin1(kCompany));
    QCoreApplication::setApplicationName(QString::fromLatin1(kAppTitle));
    CProfileSettings::SetSectionName(kSettingsSection);
}

void CQV3DViewerApp::LoadPreferences() {
    // A store that cannot be read starts the program on the compiled-in defaults.
    if (!CProfileSettings::Load(CurrentPreferences)) {
        CurrentPreferences = DefaultPreferences;
    }
}

bool CQV3DViewerApp::InitInstance(const QString& file) {
    SetStoreNames();
    LoadPreferences();
    recentFiles.ReadList();

    document = std::make_unique<CQV3DViewerDoc>();
    docTemplate = std::make_unique<CMultiExtSingleDocTemplate>(document.get());
    frame = std::make_unique<CMainFrame>();
    view = new CQV3DViewerView(document.get(), frame.get());
    frame->setCentralWidget(view);
    frame->openDroppedFile = [this](const QString& path) { OpenDocumentFile(path); };
    frame->ChannelBar()->onChannelSelected = [this](int index) { view->OnChannel(index); };
    frame->ChannelBar()->onPaletteSelected = [this](int index) {
        view->OnPalette(index);
        frame->ChannelBar()->SetPaletteSel(index);
    };
    RegisterCommands();
    frame->SetRecentFiles(recentFiles.Entries());
    frame->resize(1024, 768);

    // A file that cannot be shown still brings the window up, empty, with the reason over it: a
    // double click in a file manager must never look as if nothing happened.
    QString failure;
    if (file.isEmpty() || OpenQuietly(file, failure) == nullptr) {
        OnFileNew();
    }
    frame->show();
    if (!failure.isEmpty()) {
        showError(failure);
    }
    return true;
}

// Every command is registered here, so the frame, the view and the commands never reach one
// another: the commands know the view and the frame, nothing knows the commands.
void CQV3DViewerApp::RegisterCommands() {
    frame->SetHandler(cmd::AppAbout, {[this] {
                                          CAboutDlg about(frame.get());
                                          about.exec();
                                      },
                                      {}});
    frame->SetHandler(cmd::FileNew, {[this] { OnFileNew(); }, {}});
    frame->SetHandler(cmd::FileOpen, {[this] { OnFileOpen(); }, {}});
    frame->SetHandler(cmd::AppExit, {[this] { frame->close(); }, {}});
    for (int i = 0; i < cmd::RecentFileCount; ++i) {
        frame->SetHandler(cmd::RecentFile1 + i,
                          {[this, i] {
                               if (i >= recentFiles.Entries().size()) {
                                   return;
                               }
                               const QString path = recentFiles.Entries()[i];
                               // An entry that no longer opens leaves the list, as it would be of no use.
                               if (OpenDocumentFile(path) == nullptr && !QFileInfo::exists(path)) {
                                   recentFiles.Remove(static_cast<int>(recentFiles.Entries().indexOf(path)));
                                   recentFiles.WriteList();
                                   frame->SetRecentFiles(recentFiles.Entries());
                               }
                           },
                           {}});
    }
    const std::pair<int, int> toggles[] = {{cmd::CommandHelp, 0x01},
                                           {cmd::ViewInformation, 0x02},
                                           {cmd::LightInformation, 0x10},
                                           {cmd::StereoAnaglyph, 0x04}};
    for (const auto& [command, bit] : toggles) {
        frame->SetHandler(command,
                          {[this, bit = bit] { view->ToggleTextFlag(bit); },
                           [this, bit = bit] { return (view->Controller().GetTextFlags() & bit) != 0; }});
    }
    RegisterImageOutputCommands(*view, *frame);
    RegisterPreferencesCommand(*view, *frame);
    RegisterExportCommands(*view, *frame);
}

CQV3DViewerDoc* CQV3DViewerApp::OpenDocumentFile(const QString& path) {
    QString failure;
    CQV3DViewerDoc* opened = OpenQuietly(path, failure);
    if (opened == nullptr) {
        showError(failure);
    }
    return opened;
}

CQV3DViewerDoc* CQV3DViewerApp::OpenQuietly(const QString& path, QString& failure) {
    const std::string local = path.toStdString();
    CQV3DViewerDoc* match = nullptr;
    if (docTemplate->MatchDocType(local, match) == CMultiExtSingleDocTemplate::yesAlreadyOpen) {
        frame->activateWindow();
        return match;
    }
    if (!document->OnOpenDocument(local)) {
        failure = OpenFailureMessage(path, *document);
        return nullptr;
    }
    document->SetPathName(local);
    recentFiles.Add(path);
    recentFiles.WriteList();
    frame->SetRecentFiles(recentFiles.Entries());
    AfterOpen();
    return document.get();
}

void CQV3DViewerApp::OnFileNew() {
    document->OnNewDocument();
    AfterOpen();
}

void CQV3DViewerApp::OnFileOpen() {
    // Qt separates a filter's patterns with spaces.
    const QString filters = QStringLiteral("Vistrel Files (*.ibw *.vtl);;All Files (*)");
    const QString path =
        QFileDialog::getOpenFileName(frame.get(), QStringLiteral("Open"), QString(), filters);
    if (!path.isEmpty()) {
        OpenDocumentFile(path);
    }
}

void CQV3DViewerApp::AfterOpen() {
    frame->setWindowTitle(QString::fromStdString(document->GetTitle()) + QStringLiteral(" - ") +
                          QString::fromLatin1(kAppTitle));
    // What the reader had to change to show the file (precision, spacing) stays in the status bar,
    // past menu prompts, until the next open; an empty note clears the last file's.
    const CIBWReader& reader = document->GetReader();
    QStringList notes;
    for (const std::string& note : {reader.PrecisionNote(), reader.SpacingNote()}) {
        if (!note.empty()) {
            notes << QString::fromStdString(note);
        }
    }
    frame->SetStatusNote(notes.join(QLatin1Char(' ')));
    view->OnInitialUpdate();
}
