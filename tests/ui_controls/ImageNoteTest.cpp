#include "tools/ibwgen/IbwGen.h"
#include "ui/CImageNote.h"
#include "ui/NoteClipboardText.h"

#include "Screenshot.h"

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

std::string WriteNoteFile(const QTemporaryDir& dir, const char* name, const std::string& note) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.dims = {4, 3, 1, 0};
    waveSpec.values.assign(12, 1.5f);
    waveSpec.dimUnits = {"m", "m", "", ""};
    waveSpec.dimLabels[2] = {"HeightRetrace"};
    waveSpec.note = note;
    const std::string path = dir.filePath(name).toStdString();
    EXPECT_TRUE(ibwgen::WriteWaveFile(path, waveSpec));
    return path;
}

std::vector<std::pair<std::string, std::string>> Rows(const QTreeWidget* list) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        rows.emplace_back(item->text(0).toLatin1().toStdString(), item->text(1).toLatin1().toStdString());
    }
    return rows;
}

using Rows_t = std::vector<std::pair<std::string, std::string>>;

TEST(CImageNote, ListsEveryPairInNoteOrderAndCopiesThemAsLines) {
    QTemporaryDir dir;
    const std::string path = WriteNoteFile(
        dir, "note.ibw", "ScanSize: 2e-05\rScanRate: 1\r\rDisplay Range 0: 1.5e-09 \rScanRate: 2\r");
    CImageNote dialog;
    dialog.SetPath(path);
    dialog.show();
    ASSERT_EQ(dialog.List()->headerItem()->text(0), "Name");
    ASSERT_EQ(dialog.List()->headerItem()->text(1), "Value");
    EXPECT_EQ(
        Rows(dialog.List()),
        (Rows_t{
            {"ScanSize", "2e-05"}, {"ScanRate", "1"}, {"Display Range 0", "1.5e-09 "}, {"ScanRate", "2"}}));
    EXPECT_EQ(dialog.List()->columnWidth(0), dialog.List()->columnWidth(1));

    dialog.CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "ScanSize: 2e-05\r\nScanRate: 1\r\nDisplay Range 0: 1.5e-09 \r\nScanRate: 2\r\n");
}

TEST(CImageNote, ReadsTheFileAfreshEachTime) {
    QTemporaryDir dir;
    const std::string path = WriteNoteFile(dir, "note.ibw", "ScanSize: 2e-05\r");
    CImageNote dialog;
    dialog.SetPath(path);
    dialog.show();
    EXPECT_EQ(Rows(dialog.List()), (Rows_t{{"ScanSize", "2e-05"}}));
    dialog.hide();
    WriteNoteFile(dir, "note.ibw", "ScanSize: 4e-05\rScanAngle: 90\r");
    dialog.show();
    EXPECT_EQ(Rows(dialog.List()), (Rows_t{{"ScanSize", "4e-05"}, {"ScanAngle", "90"}}));
}

TEST(CImageNote, UnreadableFileGivesAnEmptyListAndAnEmptyCopy) {
    for (const std::string& path : {std::string(), std::string("/nonexistent/scan.ibw")}) {
        SCOPED_TRACE(path);
        QGuiApplication::clipboard()->setText("previous");
        CImageNote dialog;
        dialog.SetPath(path);
        dialog.show();
        EXPECT_EQ(dialog.List()->topLevelItemCount(), 0);
        dialog.CopyToClipboard();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
    }
}

TEST(NoteClipboardText, JoinsPairsWithColonsAndLineEnds) {
    CIBWNote note;
    note.pairs = {{"ScanSize", "2e-05"}, {"ScanRate", "1"}};
    EXPECT_EQ(NoteClipboardText(note), "ScanSize: 2e-05\r\nScanRate: 1\r\n");
    EXPECT_EQ(NoteClipboardText(CIBWNote()), "");
}

TEST(Screenshots, ImageNote) {
    QTemporaryDir dir;
    const std::string path =
        WriteNoteFile(dir, "note.ibw",
                      "ScanSize: 2e-05\rScanRate: 1.001\rScanPoints: 256\rScanLines: 256\rScanAngle: 0\r"
                      "ImagingMode: AC Mode\rDisplay Range 0: 1.5e-09\rColorMap 0: Grays\rDate: "
                      "2026-03-14\rTime: 12:30:00\r");
    CImageNote dialog;
    dialog.SetPath(path);
    dialog.show();
    EXPECT_TRUE(SaveScreenshot(&dialog, "image_note"));
}

} // namespace
