#include "app/QV3DViewer/output/AsciiExport.h"

AsciiExport::AsciiExport(const ExportDialogRule& rule, const QString& initialName, QWidget* parent)
    : QFileDialog(parent), defaultExtension(rule.defaultExtension) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const std::string& description : FilterDescriptions(rule.filter)) {
        filters << QString::fromStdString(description);
    }
    setNameFilters(filters);
    setDefaultSuffix(QString::fromStdString(rule.defaultExtension));
    selectFile(initialName);
}

QString AsciiExport::ChosenPath() const {
    const QStringList files = selectedFiles();
    if (result() != QDialog::Accepted || files.isEmpty()) {
        return {};
    }
    return QString::fromStdString(WithDefaultExtension(files.first().toStdString(), defaultExtension));
}
