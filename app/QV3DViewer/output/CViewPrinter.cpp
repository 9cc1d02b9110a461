#include "app/QV3DViewer/output/CViewPrinter.h"

#include "app/QV3DViewer/output/DibImage.h"
#include "app/QV3DViewer/output/PrintLayout.h"
#include "app/QV3DViewer/view/ViewController.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

namespace {

// A PDF page needs no more: at 1200 dpi an A4 frame would take 200 MB to render and encode.
constexpr int kPdfResolution = 300;

void LimitPdfResolution(QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.resolution() > kPdfResolution) {
        printer.setResolution(kPdfResolution);
    }
}

} // namespace

CViewPrinter::CViewPrinter(ViewController& controller_) : controller(controller_) {}

QPrinter& CViewPrinter::Printer() {
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer;
}

bool CViewPrinter::Print(QWidget* parent) {
    QPrintDialog dialog(&Printer(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    return PrintDirect();
}

bool CViewPrinter::PrintDirect() {
    LimitPdfResolution(Printer());
    return PrintTo(Printer(), false);
}

void CViewPrinter::Preview(QWidget* parent) {
    LimitPdfResolution(Printer());
    QPrintPreviewDialog dialog(&Printer(), parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this](QPrinter* target) { PrintTo(*target, true); });
    dialog.exec();
}

void CViewPrinter::Setup(QWidget* parent) {
    QPageSetupDialog dialog(&Printer(), parent);
    dialog.exec();
}

bool CViewPrinter::PrintTo(QPrinter& target, bool previewing) const {
    const QRect page = target.pageRect(QPrinter::DevicePixel).toRect();
    const QRect paper = target.paperRect(QPrinter::DevicePixel).toRect();
    const PrintLayout layout = ComputePrintLayout(page.width(), page.height(), page.left() - paper.left(),
                                                  page.top() - paper.top(), previewing);
    if (layout.imageWidth <= 0 || layout.imageHeight <= 0) {
        return false;
    }
    const QImage image = DibToImage(controller.RenderBitmap(layout.imageWidth, layout.imageHeight));
    if (image.isNull()) {
        return false;
    }
    QPainter painter;
    if (!painter.begin(&target)) {
        return false;
    }
    // A PDF would otherwise hold the frame as a JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const PixelRect& area = layout.printRect;
    painter.drawImage(QRect(area.left, area.top, area.right - area.left, area.bottom - area.top), image);
    return painter.end();
}
