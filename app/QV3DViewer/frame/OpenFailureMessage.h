// The message box text of an open that failed: the file, then why it cannot be shown, in the
// words of the platform's open or of the wave reader.
#pragma once

#include "app/QV3DViewer/document/CQV3DViewerDoc.h"

#include <QString>

QString OpenFailureMessage(const QString& path, const CQV3DViewerDoc& document);
