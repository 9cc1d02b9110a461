#include "app/QV3DViewer/output/WriteImageFile.h"

#include "app/QV3DViewer/output/ImageFormats.h"

#include <QImageWriter>
#include <QSaveFile>

namespace {

constexpr int kJpegQuality = 95;

} // namespace

bool HasImageEncoder(int index) {
    return QImageWriter::supportedImageFormats().contains(
        QByteArray(ImageFormatForIndex(index).writerFormat));
}

bool WriteImageFile(const QImage& image, const QString& path, int index, QString& error) {
    const ImageFormat& format = ImageFormatForIndex(index);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    QImageWriter writer(&file, format.writerFormat);
    // Qt's PNG writer reads the quality as a compression level (95 would store it raw), so only
    // the JPEG encoder gets it.
    if (format.index == 1) {
        writer.setQuality(kJpegQuality);
    }
    if (!writer.write(image)) {
        error = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
