#include "ui/CHyperLink.h"
#include "ui/HyperlinkErrorText.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

// Stands in for the desktop's handler of one URL scheme.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

namespace {

TEST(HyperlinkErrorText, NamesEachShellResult) {
    EXPECT_EQ(HyperlinkErrorText(0), "The operating system is out\nof memory or resources.");
    EXPECT_EQ(HyperlinkErrorText(2), "The specified file was not found.");
    EXPECT_EQ(HyperlinkErrorText(26), "A sharing violation occurred. ");
    EXPECT_EQ(HyperlinkErrorText(31),
              "There is no application associated\nwith the given filename extension.");
    EXPECT_EQ(HyperlinkErrorText(32), "The specified dynamic-link library was not found.");
    EXPECT_EQ(HyperlinkErrorText(4), "Unknown Error (4) occurred.");
    EXPECT_EQ(HyperlinkErrorText(-7), "Unknown Error (-7) occurred.");
}

TEST(CHyperLink, ColourAndUnderlineFollowTheMouse) {
    CHyperLink link("https://example.org/a");
    EXPECT_EQ(link.GetURL(), "https://example.org/a");
    EXPECT_EQ(link.toolTip(), "https://example.org/a");
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link.CurrentColour(), QColor(0, 0, 238));
    EXPECT_FALSE(link.font().underline());

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&link, &enter);
    EXPECT_TRUE(link.IsOverLink());
    EXPECT_EQ(link.CurrentColour(), QColor(255, 0, 0));
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(link.font().underline());

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&link, &leave);
    EXPECT_FALSE(link.font().underline());
    link.SetVisited(true);
    EXPECT_EQ(link.CurrentColour(), QColor(85, 26, 139));

    link.SetUnderline(1);
    EXPECT_TRUE(link.font().underline());
    link.SetColours(Qt::green, Qt::gray);
    QApplication::sendEvent(&link, &enter);
    EXPECT_EQ(link.CurrentColour(), link.palette().color(QPalette::Highlight));
}

TEST(CHyperLink, SuccessfulClickMarksTheLinkVisited) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("qvtest", &catcher, "open");
    CHyperLink link;
    link.SetURL("qvtest://about/credits");
    EXPECT_EQ(link.text(), "qvtest://about/credits");
    link.show();
    QTest::mouseClick(&link, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("qvtest");
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.front(), QUrl("qvtest://about/credits"));
    EXPECT_TRUE(link.GetVisited());
}

TEST(CHyperLink, FailedOpenShowsTheMessageForItsCode) {
    CHyperLink link("Nowhere");
    link.SetURL("");
    link.show();
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(shown, "Unable to open hyperlink:\n\n" +
                         QString::fromStdString(HyperlinkErrorText(CHyperLink::kNoHandler)));
    EXPECT_FALSE(link.GetVisited());
}

} // namespace

#include "HyperLinkTest.moc"
