#include "app/QV3DViewer/output/NothingToExport.h"

#include "app/QV3DViewer/Version.h"
#include "app/QV3DViewer/view/CQV3DViewerView.h"

#include <QMessageBox>

bool HasImageToExport(CQV3DViewerView& view) {
    const ViewController& controller = view.Controller();
    if (controller.MainMesh() != nullptr && controller.GetCurrentChannel() != nullptr) {
        return true;
    }
    QMessageBox::information(&view, QString::fromLatin1(kAppTitle),
                             QStringLiteral("There is no image to export.\nOpen a file first."));
    return false;
}
