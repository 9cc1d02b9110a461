// ASCII, STL and VRML Export... and Note... from the running viewer: the dialogs they show, the
// files they write through the controller, and the message a failed export gives.
#include "app/QV3DViewer/output/AsciiExport.h"
#include "app/QV3DViewer/frame/CMainFrame.h"
#include "app/QV3DViewer/frame/CQV3DViewerApp.h"
#include "app/QV3DViewer/document/CQV3DViewerDoc.h"
#include "app/QV3DViewer/view/CQV3DViewerView.h"
#include "app/QV3DViewer/frame/CommandIds.h"
#include "ui/CImageNote.h"

#include "ViewerSession.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cmath>
#include <functional>

namespace {

using testsupport::ReadAll;
using testsupport::ScratchFolder;

using apptest::App;
using apptest::ModalAnswer;

// The name field of Qt's own file dialog (no platform dialog runs under the test display).
QLineEdit& NameEdit(QFileDialog& dialog) {
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    EXPECT_NE(edit, nullptr);
    return *edit;
}

// The plane with a note.
ibwgen::WaveSpec ScanSpec() {
    ibwgen::WaveSpec waveSpec = apptest::PlaneSpec();
    waveSpec.note = "ScanSize: 6.4e-06\rScanRate: 1 \rImagingMode: AC Mode\r";
    return waveSpec;
}

class ExportCommands : public ::testing::Test {
protected:
    static void SetUpTestSuite() { apptest::StartViewerOnce(); }
    void SetUp() override {
        file = std::make_unique<apptest::TempFile>(ScanSpec());
        apptest::OpenInViewer(file->path());
    }
    // Runs the command, answering its dialog with `name` in the scratch folder.
    void Export(int command, const std::string& name, std::function<void(AsciiExport&)> check = {}) {
        ModalAnswer<AsciiExport> answer([&](AsciiExport& dialog) {
            if (check) {
                check(dialog);
            }
            NameEdit(dialog).setText(QString::fromStdString(folder.File(name)));
            static_cast<QDialog&>(dialog).accept(); // the file dialog's own accept, with its checks
        });
        EXPECT_TRUE(App().MainFrame()->OnCommand(command));
        EXPECT_TRUE(answer.answered);
    }
    std::unique_ptr<apptest::TempFile> file;
    ScratchFolder folder;
};

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

TEST_F(ExportCommands, DialogsProposeTheDocumentsTitle) {
    const std::string title = std::filesystem::path(file->path()).stem().string();
    struct Case {
        int command;
        const char* extension;
        QStringList filters;
    };
    const Case cases[] = {
        {cmd::AsciiExport, "itx", {"Igor Ascii Text (*.itx)", "All Files (*.*)"}},
        {cmd::StlExport, "stl", {"STL (*.stl)", "All Files (*.*)"}},
        {cmd::VrmlExport, "wrl", {"WRL (*.wrl)", "All Files (*.*)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.extension);
        ModalAnswer<AsciiExport> answer([&](AsciiExport& dialog) {
            EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
            EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
            EXPECT_EQ(dialog.defaultSuffix(), QString::fromLatin1(c.extension));
            EXPECT_EQ(dialog.nameFilters(), c.filters);
            EXPECT_EQ(dialog.parentWidget(), App().View());
            EXPECT_EQ(NameEdit(dialog).text().toStdString(), title);
            dialog.reject();
        });
        App().MainFrame()->OnCommand(c.command);
        EXPECT_TRUE(answer.answered);
    }
    EXPECT_TRUE(folder.Names().empty()); // cancelled: nothing written
}

TEST_F(ExportCommands, EachFormatIsWrittenThroughTheController) {
    // Names without an extension get the format's own.
    Export(cmd::StlExport, "solid");
    const std::string stl = ReadAll(folder.File("solid.stl"));
    const std::size_t triangles = 2 * 63 * 47 + 6 * 64 + 6 * 48 - 12;
    ASSERT_EQ(stl.size(), 84 + 50 * triangles);
    EXPECT_EQ(stl.substr(0, 80), std::string(80, ' '));
    // Top facets carry colours (bit 15 of the attribute).
    EXPECT_EQ(static_cast<unsigned char>(stl[84 + 50 * (triangles - 1) + 49]) & 0x80, 0x80);

    Export(cmd::VrmlExport, "solid.wrl");
    const std::string wrl = ReadAll(folder.File("solid.wrl"));
    EXPECT_EQ(wrl.rfind("#VRML V2.0 utf8\r\n", 0), 0u);
    EXPECT_EQ(Count(wrl, ", -1,\r\n"), triangles);

    // The Igor text holds the channel on the main surface, named after the chosen file.
    App().View()->OnChannel(1);
    Export(cmd::AsciiExport, "amplitude");
    const std::string itx = ReadAll(folder.File("amplitude.itx"));
    EXPECT_EQ(itx.rfind("IGOR\nWAVES/N=(64,48,1)\tamplitude\nBEGIN\n\t0\t0\t0", 0), 0u);
    EXPECT_NE(itx.find("\n\t0.295520216\t0.295520216\t"), std::string::npos);
    EXPECT_NE(itx.find("X Note amplitude, \"ScanSize: 6.4e-06\\rScanRate: 1 \\rImagingMode: AC Mode\\r\"\n"),
              std::string::npos);
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"amplitude.itx", "solid.stl", "solid.wrl"}));
}

TEST_F(ExportCommands, AFailedExportSaysWhyAndKeepsTheEarlierFile) {
    testsupport::WriteAll(folder.File("plain"), "a file, not a folder");
    QString message;
    ModalAnswer<QMessageBox> box([&](QMessageBox& shown) {
        message = shown.text();
        shown.accept();
    });
    Export(cmd::StlExport, "plain/solid.stl");
    EXPECT_TRUE(box.answered);
    EXPECT_EQ(message.toStdString(),
              "Could not write " + folder.File("plain/solid.stl") + ": Not a directory");
    EXPECT_EQ(ReadAll(folder.File("plain")), "a file, not a folder");
}

TEST_F(ExportCommands, NoteShowsTheOpenFilesPairs) {
    ModalAnswer<CImageNote> answer([&](CImageNote& note) {
        EXPECT_EQ(note.GetPath(), file->path());
        EXPECT_EQ(note.parentWidget(), nullptr);
        const QTreeWidget* list = note.List();
        ASSERT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("ScanSize"));
        EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("1 "));
        EXPECT_EQ(list->topLevelItem(2)->text(1), QStringLiteral("AC Mode"));
        note.accept();
    });
    EXPECT_TRUE(App().MainFrame()->OnCommand(cmd::ImageNote));
    EXPECT_TRUE(answer.answered);
}

} // namespace
