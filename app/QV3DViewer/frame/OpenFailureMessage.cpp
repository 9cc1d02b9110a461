#include "app/QV3DViewer/frame/OpenFailureMessage.h"

QString OpenFailureMessage(const QString& path, const CQV3DViewerDoc& document) {
    switch (document.LastOpenError()) {
    case CQV3DViewerDoc::OpenError::fileNotFound:
        return QStringLiteral(
                   "%1\nCannot find this file.\nVerify that the correct path and file name are given.")
            .arg(path);
    case CQV3DViewerDoc::OpenError::failedToOpen:
        return QStringLiteral("%1\nCannot open this file: %2.")
            .arg(path, QString::fromStdString(document.RefusalReason()));
    case CQV3DViewerDoc::OpenError::none:
        break;
    }
    const std::string& reason = document.RefusalReason();
    return QStringLiteral("%1\nCannot show this file: %2.")
        .arg(path, QString::fromStdString(reason.empty() ? "it could not be read" : reason));
}
