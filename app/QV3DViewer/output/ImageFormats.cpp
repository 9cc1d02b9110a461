#include "app/QV3DViewer/output/ImageFormats.h"

#include <QFileInfo>

namespace {

constexpr std::array<ImageFormat, 4> kFormats{{
    {1, "JPEG Files (*.jpg;*.jpeg)", "*.jpg", ".jpg", "jpeg"},
    {2, "PNG Files (*.png)", "*.png", ".png", "png"},
    {3, "TIF Files (*.tif)", "*.tif", ".tif", "tiff"},
    {4, "BMP Files (*.bmp)", "*.bmp", ".bmp", "bmp"},
}};

} // namespace

const std::array<ImageFormat, 4>& ImageFormats() {
    return kFormats;
}

const ImageFormat& ImageFormatForIndex(int index) {
    return index >= 1 && index <= static_cast<int>(kFormats.size())
               ? kFormats[static_cast<std::size_t>(index - 1)]
               : kFormats[0];
}

QString ImageFilterText(int index) {
    // Qt reads a filter's patterns from its label and separates them with spaces, so the
    // label's semicolon list would match no file at all.
    return QString::fromLatin1(ImageFormatForIndex(index).label).replace(QLatin1Char(';'), QLatin1Char(' '));
}

QString ImageFilterList() {
    QStringList filters;
    for (const ImageFormat& format : kFormats) {
        filters << ImageFilterText(format.index);
    }
    return filters.join(QStringLiteral(";;"));
}

int ImageFormatForFilter(const QString& filter) {
    for (const ImageFormat& format : kFormats) {
        if (filter == ImageFilterText(format.index)) {
            return format.index;
        }
    }
    return 1;
}

QString ApplyImageExtension(const QString& path, int index) {
    const QString extension = QString::fromLatin1(ImageFormatForIndex(index).extension);
    return path.contains(extension, Qt::CaseSensitive) ? path : path + extension;
}

int ImageFormatForPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
        return 1;
    }
    if (suffix == QLatin1String("png")) {
        return 2;
    }
    if (suffix == QLatin1String("tif") || suffix == QLatin1String("tiff")) {
        return 3;
    }
    if (suffix == QLatin1String("bmp")) {
        return 4;
    }
    return 0;
}
