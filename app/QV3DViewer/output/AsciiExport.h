// AsciiExport: the save dialog of the view's ASCII, STL and VRML exports. It proposes a file
// title, fills in the format's filter and default extension, and asks before an existing file
// is replaced.
#pragma once

#include "app/QV3DViewer/output/ExportDialogRule.h"

#include <QFileDialog>

#include <string>

class AsciiExport : public QFileDialog {
public:
    AsciiExport(const ExportDialogRule& rule, const QString& initialName, QWidget* parent);

    // The chosen file with the default-extension rule applied; empty before a file is chosen.
    QString ChosenPath() const;

private:
    std::string defaultExtension;
};
