// Encodes a picture with Qt's image writers and writes it through a temporary file, so a failed
// write never leaves a partial file or replaces an existing one.
#pragma once

#include <QImage>
#include <QString>

// Whether Qt has an encoder for the format (index as in ImageFormats.h).
bool HasImageEncoder(int index);
// False with the reason in `error` when the file could not be written; JPEG at quality 95.
bool WriteImageFile(const QImage& image, const QString& path, int index, QString& error);
