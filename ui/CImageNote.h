// CImageNote: the "Image Note" dialog: every key/value pair of a file's wave note in a two-column
// list, and a button that copies them to the clipboard as text lines. The note is read afresh
// from the file each time, never taken from the open document.
#pragma once

#include <QDialog>
#include <string>

class QTreeWidget;

class CImageNote : public QDialog {
public:
    explicit CImageNote(QWidget* parent = nullptr);

    void SetPath(const std::string& notePath) { path = notePath; }
    const std::string& GetPath() const { return path; }
    QTreeWidget* List() const { return list; }
    void CopyToClipboard();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Fill();

    std::string path;
    QTreeWidget* list;
};
