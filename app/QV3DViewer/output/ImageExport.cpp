#include "app/QV3DViewer/output/ImageExport.h"

#include "app/QV3DViewer/output/DibImage.h"
#include "app/QV3DViewer/output/ImageFormats.h"
#include "app/QV3DViewer/view/ViewController.h"
#include "app/QV3DViewer/output/WriteImageFile.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

const char* const kErrorCaption = "Vistrel Error";

// Restores the cursor however the render ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

bool AskImageFileName(QWidget* owner, ImageExportRequest& request) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(ImageFilterList());
    dialog.selectNameFilter(ImageFilterText(1));
    if (!request.initialName.isEmpty()) {
        dialog.setWindowTitle(request.initialName);
    }
    if (!request.initialFolder.isEmpty()) {
        dialog.setDirectory(request.initialFolder);
    }
    dialog.selectFile(request.initialName);
    // The overwrite question comes after the extension rule, so it is asked about the file that
    // will be written rather than the name as typed.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    // A name typed with a picture extension says the format itself, whatever the filter shows.
    const QString chosen = dialog.selectedFiles().constFirst();
    const int named = ImageFormatForPath(chosen);
    const int format = named != 0 ? named : ImageFormatForFilter(dialog.selectedNameFilter());
    const QString path = named != 0 ? chosen : ApplyImageExtension(chosen, format);
    if (QFileInfo::exists(path) &&
        QMessageBox::warning(
            owner, dialog.windowTitle(),
            QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
        return false;
    }
    request.chosenFormat = format;
    request.path = path;
    return true;
}

ImageSaveResult SaveImage(QWidget* owner, ViewController& controller, ImageExportRequest& request,
                          QSize size) {
    if (request.askName) {
        if (!AskImageFileName(owner, request)) {
            return {ImageSaveResult::cancelled, {}};
        }
    } else {
        request.path = request.initialName;
        request.chosenFormat = request.format;
    }
    if (!HasImageEncoder(request.chosenFormat)) {
        return {ImageSaveResult::noEncoder, {}};
    }
    const WaitCursor wait;
    const QImage image = DibToImage(controller.RenderBitmap(size.width(), size.height()));
    if (image.isNull()) {
        return {ImageSaveResult::renderFailed, {}};
    }
    QString error;
    if (!WriteImageFile(image, request.path, request.chosenFormat, error)) {
        return {ImageSaveResult::writeFailed, error};
    }
    return {ImageSaveResult::saved, {}};
}

void ReportImageSaveResult(const ImageSaveResult& result, const QString& path, QWidget* owner) {
    switch (result.status) {
    case ImageSaveResult::noEncoder:
        QMessageBox::warning(nullptr, QString::fromLatin1(kErrorCaption),
                             QStringLiteral("GDIPLUS.DLL was not able to be loaded.\n\nIt is required "
                                            "forexporting images to file.  Instead, copy to clipboard\nand "
                                            "paste into another graphics program or to a notebook."));
        break;
    case ImageSaveResult::renderFailed:
    case ImageSaveResult::writeFailed:
        // A user who believes a figure was saved would otherwise lose it unknowingly.
        QMessageBox::warning(owner, QString::fromLatin1(kErrorCaption),
                             QStringLiteral("The picture could not be saved to\n%1\n\n%2")
                                 .arg(path, result.status == ImageSaveResult::writeFailed
                                                ? result.error
                                                : QStringLiteral("The view could not be rendered.")));
        break;
    case ImageSaveResult::saved:
    case ImageSaveResult::cancelled:
        break;
    }
}

bool CopyImageToClipboard(ViewController& controller, QSize size) {
    const WaitCursor wait;
    const QImage image = DibToImage(controller.RenderBitmap(size.width(), size.height()));
    if (image.isNull()) {
        return false;
    }
    QApplication::clipboard()->setImage(image);
    return true;
}
