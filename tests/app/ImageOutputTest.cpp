// Export..., Copy and printing from the running viewer: what they write and at which size.
#include "app/QV3DViewer/frame/CMainFrame.h"
#include "app/QV3DViewer/frame/CQV3DViewerApp.h"
#include "app/QV3DViewer/view/CQV3DViewerView.h"
#include "app/QV3DViewer/output/CViewPrinter.h"
#include "app/QV3DViewer/view/CViewWindow.h"
#include "app/QV3DViewer/frame/CommandIds.h"
#include "app/QV3DViewer/output/ImageExport.h"
#include "app/QV3DViewer/output/ImageFormats.h"
#include "ui/ViewerPreferences.h"

#include "ViewerSession.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using apptest::App;
using apptest::ModalAnswer;

class ImageOutput : public ::testing::Test {
protected:
    static void SetUpTestSuite() { apptest::StartViewerOnce(); }
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        apptest::OpenInViewer(file.path());
    }
    ViewController& Controller() { return App().View()->Controller(); }
    QSize ClientSize() const {
        const CViewWindow* window = App().View()->Window();
        return window->size() * window->devicePixelRatio();
    }

    apptest::TempFile file{apptest::ImageSpec(48, 32, {"HeightRetrace"})};
    QTemporaryDir dir;
};

TEST_F(ImageOutput, ExportWritesTheChosenFilterAtTheExportFactor) {
    const ViewerPreferences saved = CurrentPreferences;
    CurrentPreferences.ExportFactor = 2;
    const QString typed = dir.filePath(QStringLiteral("scan"));
    QString title;
    const ModalAnswer<QFileDialog> answer([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        dialog.selectNameFilter(ImageFilterText(2));
        dialog.setDirectory(dir.path());
        // As the user types it, without an extension.
        dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("scan"));
        static_cast<QDialog&>(dialog).accept(); // as the Save button does
    });
    EXPECT_TRUE(App().MainFrame()->OnCommand(cmd::ImageExport));
    CurrentPreferences = saved;
    // The proposed name is the document's file title.
    EXPECT_EQ(title, QString::fromStdString(std::filesystem::path(file.path()).stem().string()));
    const QImage image(typed + QStringLiteral(".png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), ClientSize() * 2);
}

TEST_F(ImageOutput, ATypedPictureExtensionChoosesTheFormat) {
    // Typed under the JPEG filter the dialog starts on; the file's first bytes tell the format.
    const std::pair<const char*, QByteArray> cases[] = {
        {"typed.png", QByteArray("\x89PNG")}, {"typed.BMP", QByteArray("BM")},
        {"typed.tiff", QByteArray("II*\0")},  {"typed.jpeg", QByteArray("\xFF\xD8\xFF")},
        {"typed.tif", QByteArray("II*\0")},   {"typed", QByteArray("\xFF\xD8\xFF")},
    };
    for (const auto& [name, magic] : cases) {
        const ModalAnswer<QFileDialog> answer([&, name = name](QFileDialog& dialog) {
            dialog.setDirectory(dir.path());
            dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QString::fromLatin1(name));
            static_cast<QDialog&>(dialog).accept();
        });
        EXPECT_TRUE(App().MainFrame()->OnCommand(cmd::ImageExport));
        const QString written =
            dir.filePath(QString::fromLatin1(name) + (QByteArray(name) == "typed" ? ".jpg" : ""));
        QFile file(written);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(file.read(magic.size()), magic) << name;
        EXPECT_FALSE(QFile::exists(written + ".jpg")) << name;
    }
}

TEST_F(ImageOutput, SaveReportsAWriteFailure) {
    ImageExportRequest request;
    request.askName = false;
    request.format = 4;
    request.initialName = dir.filePath(QStringLiteral("view.bmp"));
    const ImageSaveResult saved = SaveImage(nullptr, Controller(), request, QSize(90, 70));
    EXPECT_EQ(saved.status, ImageSaveResult::saved);
    EXPECT_EQ(QImage(request.initialName).size(), QSize(90, 70));

    request.initialName = dir.filePath(QStringLiteral("no-such-folder/view.bmp"));
    const ImageSaveResult failed = SaveImage(nullptr, Controller(), request, QSize(90, 70));
    EXPECT_EQ(failed.status, ImageSaveResult::writeFailed);
    EXPECT_FALSE(failed.error.isEmpty());
}

TEST_F(ImageOutput, CopyPutsTheViewOnTheClipboard) {
    QApplication::clipboard()->clear();
    EXPECT_TRUE(App().MainFrame()->OnCommand(cmd::EditCopy));
    EXPECT_EQ(QApplication::clipboard()->image().size(), ClientSize());
}

TEST_F(ImageOutput, PreviewShowsTheFrameOnThePage) {
    QImage shown;
    const ModalAnswer<QPrintPreviewDialog> answer([&](QPrintPreviewDialog& dialog) {
        QTest::qWait(500);
        shown = dialog.grab().toImage();
        dialog.reject();
    });
    EXPECT_TRUE(App().MainFrame()->OnCommand(cmd::PrintPreview));
    ASSERT_FALSE(shown.isNull());
    shown.save(QStringLiteral(QT_TESTCASE_BUILDDIR "/print_preview.png"));
    // The surface's colours appear on the previewed page.
    int coloured = 0;
    for (int y = 0; y < shown.height(); y += 2) {
        for (int x = 0; x < shown.width(); x += 2) {
            const QColor c = shown.pixelColor(x, y);
            coloured +=
                std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 60;
        }
    }
    EXPECT_GT(coloured, 500);
}

TEST_F(ImageOutput, PrintsToAPdfFile) {
    CViewPrinter printer(Controller());
    const QString path = dir.filePath(QStringLiteral("view.pdf"));
    printer.Printer().setOutputFormat(QPrinter::PdfFormat);
    printer.Printer().setOutputFileName(path);
    ASSERT_TRUE(printer.PrintDirect());
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(4), QByteArray("%PDF"));
    // A page that holds the frame, not an empty one.
    EXPECT_GT(pdf.size(), 20000);
}

} // namespace
