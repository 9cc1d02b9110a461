#include "app/QV3DViewer/output/ExportCommands.h"

#include "app/QV3DViewer/output/AsciiExport.h"
#include "app/QV3DViewer/output/NothingToExport.h"
#include "app/QV3DViewer/frame/CMainFrame.h"
#include "app/QV3DViewer/Version.h"
#include "app/QV3DViewer/document/CQV3DViewerDoc.h"
#include "app/QV3DViewer/view/CQV3DViewerView.h"
#include "app/QV3DViewer/frame/CommandIds.h"
#include "app/QV3DViewer/output/ViewExport.h"
#include "ui/CImageNote.h"
#include "ui/CPath.h"

#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>

namespace {

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

void ShowImageNote(CQV3DViewerView& view) {
    CImageNote dialog;
    dialog.SetPath(view.GetDocument()->GetPathName());
    dialog.exec();
}

} // namespace

void RunViewExportCommand(CQV3DViewerView& view, ViewExportKind kind) {
    if (!HasImageToExport(view)) {
        return;
    }
    const std::string title = CPath(view.GetDocument()->GetPathName()).GetFileTitle();
    AsciiExport dialog(ExportDialogRuleFor(kind), QString::fromStdString(title), &view);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QString path = dialog.ChosenPath();
    std::string error;
    bool written = false;
    {
        WaitCursor wait;
        written = WriteViewExport(kind, view.Controller(), view.GetDocument()->GetReader(),
                                  QFile::encodeName(path).toStdString(), &error);
    }
    // A failed export must not pass for a written file.
    if (!written) {
        QMessageBox::warning(
            &view, QString::fromLatin1(kAppTitle),
            QStringLiteral("Could not write %1: %2").arg(path, QString::fromStdString(error)));
    }
}

void RegisterExportCommands(CQV3DViewerView& view, CMainFrame& frame) {
    const std::pair<int, ViewExportKind> exports[] = {{cmd::AsciiExport, ViewExportKind::Ascii},
                                                      {cmd::StlExport, ViewExportKind::Stl},
                                                      {cmd::VrmlExport, ViewExportKind::Vrml}};
    for (const auto& [command, kind] : exports) {
        frame.SetHandler(command, {[&view, kind = kind] { RunViewExportCommand(view, kind); }, {}});
    }
    frame.SetHandler(cmd::ImageNote, {[&view] { ShowImageNote(view); }, {}});
}
