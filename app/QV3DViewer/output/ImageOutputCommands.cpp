#include "app/QV3DViewer/output/ImageOutputCommands.h"

#include "app/QV3DViewer/frame/CMainFrame.h"
#include "app/QV3DViewer/document/CQV3DViewerDoc.h"
#include "app/QV3DViewer/view/CQV3DViewerView.h"
#include "app/QV3DViewer/output/CViewPrinter.h"
#include "app/QV3DViewer/view/CViewWindow.h"
#include "app/QV3DViewer/frame/CommandIds.h"
#include "app/QV3DViewer/output/ImageExport.h"
#include "app/QV3DViewer/output/NothingToExport.h"
#include "ui/CPath.h"
#include "ui/PreferenceLimits.h"

#include <memory>

namespace {

// The view's client area in device pixels, as it is drawn.
QSize ClientSize(const CQV3DViewerView& view) {
    const CViewWindow* window = view.Window();
    const qreal ratio = window->devicePixelRatio();
    return {static_cast<int>(window->width() * ratio), static_cast<int>(window->height() * ratio)};
}

void ExportImage(CQV3DViewerView& view) {
    if (!HasImageToExport(view)) {
        return;
    }
    ImageExportRequest request;
    request.initialName = QString::fromStdString(CPath(view.GetDocument()->GetPathName()).GetFileTitle());
    request.askName = true;
    request.format = 0;
    const int factor = EffectiveExportFactor(CurrentPreferences);
    const ImageSaveResult result = SaveImage(&view, view.Controller(), request, ClientSize(view) * factor);
    ReportImageSaveResult(result, request.path, &view);
}

} // namespace

void RegisterImageOutputCommands(CQV3DViewerView& view, CMainFrame& frame) {
    auto printer = std::make_shared<CViewPrinter>(view.Controller());
    frame.SetHandler(cmd::ImageExport, {[&view] { ExportImage(view); }, {}});
    frame.SetHandler(cmd::EditCopy,
                     {[&view] { CopyImageToClipboard(view.Controller(), ClientSize(view)); }, {}});
    frame.SetHandler(cmd::Print, {[&view, printer] { printer->Print(&view); }, {}});
    frame.SetHandler(cmd::PrintDirect, {[printer] { printer->PrintDirect(); }, {}});
    frame.SetHandler(cmd::PrintPreview, {[&view, printer] { printer->Preview(&view); }, {}});
    frame.SetHandler(cmd::PrintSetup, {[&view, printer] { printer->Setup(&view); }, {}});
}
