#include "ui/CImageNote.h"

#include "ibw/CIBWNote.h"
#include "base/Windows1252.h"
#include "ui/NoteClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

CImageNote::CImageNote(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Image Note");
    list = new QTreeWidget(this);
    list->setColumnCount(2);
    list->setHeaderLabels({"Name", "Value"});
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAlternatingRowColors(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->header()->setStretchLastSection(false);

    auto* copy = new QPushButton("Copy to Clipboard", this);
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    connect(copy, &QPushButton::clicked, this, &CImageNote::CopyToClipboard);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addLayout(buttons);
    resize(480, 420);
}

void CImageNote::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Fill();
}

void CImageNote::Fill() {
    list->clear();
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int w = (list->contentsRect().width() - scrollBar) / 2;
    list->setColumnWidth(0, w);
    list->setColumnWidth(1, w);

    const CIBWNote note(path, true);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(note.pairs.size()));
    for (const auto& [key, value] : note.pairs) {
        items.push_back(new QTreeWidgetItem(
            {QString::fromStdString(Windows1252ToUtf8(key, Undefined1252::C1Control)),
             QString::fromStdString(Windows1252ToUtf8(value, Undefined1252::C1Control))}));
    }
    list->addTopLevelItems(items);
}

void CImageNote::CopyToClipboard() {
    const CIBWNote note(path, true);
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(Windows1252ToUtf8(NoteClipboardText(note), Undefined1252::C1Control)));
}
