// Export... and Copy: the view's scene rendered off-screen into a picture file or onto the
// clipboard.
#pragma once

#include <QSize>
#include <QString>

class QWidget;
class ViewController;

struct ImageExportRequest {
    QString initialName;   // proposed file name, also the dialog's title
    QString initialFolder; // where the dialog opens; empty: its default
    bool askName = true;   // show the save dialog
    int format = 0;        // used when no dialog is shown
    QString path;          // out: the file written
    int chosenFormat = 0;  // out: the format chosen
};

// Why SaveImage wrote nothing; `error` carries the writer's reason for writeFailed.
struct ImageSaveResult {
    enum Status { saved, cancelled, noEncoder, renderFailed, writeFailed };
    Status status = cancelled;
    QString error;
};

// The save dialog with the picture filters; false on cancel.
bool AskImageFileName(QWidget* owner, ImageExportRequest& request);
// Renders the scene at `size` and writes it to the requested or chosen file.
ImageSaveResult SaveImage(QWidget* owner, ViewController& controller, ImageExportRequest& request,
                          QSize size);
// The message boxes of a failed save: the missing-encoder warning and the write failure.
void ReportImageSaveResult(const ImageSaveResult& result, const QString& path, QWidget* owner);
// The frame at `size` as an image on the clipboard; false when nothing could be rendered.
bool CopyImageToClipboard(ViewController& controller, QSize size);
