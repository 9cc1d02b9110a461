#include "ui/CColorButton.h"
#include "ui/CColourPopup.h"
#include "ui/ColourPalette.h"

#include <QApplication>
#include <QColorDialog>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Every notification of a button, in order, as "name colour".
struct Recorder {
    std::vector<std::string> events;

    explicit Recorder(CColorButton& button) {
        auto add = [this](const char* name) {
            return [this, name](ColorRef c, int id) {
                events.push_back(std::string(name) + " " + std::to_string(c) + " " + std::to_string(id));
            };
        };
        QObject::connect(&button, &CColorButton::colorChanged, add("changed"));
        QObject::connect(&button, &CColorButton::colorDropDown, add("dropdown"));
        QObject::connect(&button, &CColorButton::colorCloseUp, add("closeup"));
        QObject::connect(&button, &CColorButton::colorAccepted, add("accepted"));
        QObject::connect(&button, &CColorButton::colorCancelled, add("cancelled"));
    }
};

std::string Event(const char* name, ColorRef c, int id) {
    return std::string(name) + " " + std::to_string(c) + " " + std::to_string(id);
}

void MoveTo(QWidget* w, QPoint p) {
    QMouseEvent move(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void ReleaseAt(QWidget* w, QPoint p) {
    QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

const ColorRef kRed = MakeColorRef(255, 0, 0);
const ColorRef kBlue = MakeColorRef(0, 0, 255);

TEST(ColourPalette, HoldsTheFortyNamedColoursInGridOrder) {
    const auto& palette = ColourPalette();
    EXPECT_EQ(palette[0].colour, MakeColorRef(0, 0, 0));
    EXPECT_STREQ(palette[9].name, "Orange");
    EXPECT_EQ(palette[9].colour, 0x002068FFu);
    EXPECT_STREQ(palette[35].name, "Pale green ");
    EXPECT_EQ(palette[39].colour, MakeColorRef(255, 255, 255));
    EXPECT_EQ(PaletteIndexOf(MakeColorRef(60, 179, 113)), 19);
    EXPECT_EQ(PaletteIndexOf(MakeColorRef(1, 2, 3)), -1);
}

TEST(CColourPopup, InitialIndexFollowsTheColourAndTheAreas) {
    QWidget owner;
    const QRect at(100, 100, 40, 20);
    struct Case {
        ColorRef colour;
        const char* defaultText;
        const char* customText;
        int index;
    };
    const Case cases[] = {
        {kAutomaticColour, "Automatic", "More Colors...", CColourPopup::kAutomaticIndex},
        {kAutomaticColour, "", "More Colors...", CColourPopup::kCustomIndex},
        {kBlue, "Automatic", "More Colors...", 13},
        {MakeColorRef(1, 2, 3), "Automatic", "More Colors...", CColourPopup::kCustomIndex},
        {MakeColorRef(1, 2, 3), "Automatic", "", CColourPopup::kNoIndex},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.colour);
        CColourPopup popup(at, c.colour, &owner, c.defaultText, c.customText);
        EXPECT_EQ(popup.InitialIndex(), c.index);
        EXPECT_EQ(popup.HighlightedIndex(), c.index);
        EXPECT_EQ(popup.ItemRect(CColourPopup::kAutomaticIndex).isEmpty(),
                  std::string(c.defaultText).empty());
        EXPECT_EQ(popup.ItemRect(CColourPopup::kCustomIndex).isEmpty(), std::string(c.customText).empty());
        popup.close();
    }
}

TEST(CColourPopup, GridHasEightColumnsOfEighteenPixelCells) {
    QWidget owner;
    CColourPopup popup(QRect(100, 100, 40, 20), kRed, &owner, "Automatic", "More Colors...");
    EXPECT_EQ(popup.ItemRect(0).size(), QSize(18, 18));
    EXPECT_EQ(popup.ItemRect(1).left() - popup.ItemRect(0).left(), 18);
    EXPECT_EQ(popup.ItemRect(8).top() - popup.ItemRect(0).top(), 18);
    EXPECT_EQ(popup.ItemRect(39).bottom(), popup.ItemRect(32).bottom());
    EXPECT_LT(popup.ItemRect(CColourPopup::kAutomaticIndex).bottom(), popup.ItemRect(0).top());
    EXPECT_GT(popup.ItemRect(CColourPopup::kCustomIndex).top(), popup.ItemRect(39).bottom());
    EXPECT_TRUE(popup.rect().contains(popup.ItemRect(CColourPopup::kCustomIndex)));
    for (int i = 0; i < kPaletteSize; ++i) {
        EXPECT_EQ(popup.IndexAt(popup.ItemRect(i).center()), i);
    }
    popup.close();
}

TEST(CColourPopup, StaysOnTheScreen) {
    if (QGuiApplication::platformName() == "offscreen") {
        GTEST_SKIP() << "the off-screen platform gives popups a frame that real desktops do not";
    }
    QWidget owner;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect nearCorner(area.right() - 30, area.bottom() - 20, 40, 20);
    CColourPopup popup(nearCorner, kRed, &owner, "Automatic", "More Colors...");
    EXPECT_TRUE(area.contains(popup.geometry())) << popup.geometry().x() << "," << popup.geometry().y();
    EXPECT_EQ(popup.geometry().bottom(), nearCorner.top() - 1); // above the button
    popup.close();

    const QRect nearLeft(area.left() - 10, area.top() + 10, 40, 20);
    CColourPopup left(nearLeft, kRed, &owner, "Automatic", "More Colors...");
    EXPECT_EQ(left.geometry().left(), area.left());
    EXPECT_EQ(left.geometry().top(), nearLeft.bottom() + 1); // below the button
    left.close();
}

TEST(CColourPopup, ArrowKeysPassThroughTheCaptionAreas) {
    QWidget owner;
    CColourPopup popup(QRect(100, 100, 40, 20), MakeColorRef(0, 0, 0), &owner, "Automatic", "More Colors...");
    ASSERT_EQ(popup.HighlightedIndex(), 0);
    QTest::keyClick(&popup, Qt::Key_Up);
    EXPECT_EQ(popup.HighlightedIndex(), CColourPopup::kAutomaticIndex);
    QTest::keyClick(&popup, Qt::Key_Down);
    EXPECT_EQ(popup.HighlightedIndex(), 0);
    QTest::keyClick(&popup, Qt::Key_Right);
    QTest::keyClick(&popup, Qt::Key_Down);
    EXPECT_EQ(popup.HighlightedIndex(), 9);
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(&popup, Qt::Key_Down);
    }
    EXPECT_EQ(popup.HighlightedIndex(), CColourPopup::kCustomIndex);
    QTest::keyClick(&popup, Qt::Key_Left);
    EXPECT_EQ(popup.HighlightedIndex(), 39);
    popup.close();
}

TEST(CColorButton, EscapeAfterHoveringRestoresTheOpeningColour) {
    QWidget window;
    CColorButton button(1006, &window);
    button.trackSelection = true;
    button.SetColour(kRed);
    window.show();
    Recorder recorder(button);

    button.click();
    QPointer<CColourPopup> popup = button.Popup();
    ASSERT_TRUE(popup);
    EXPECT_TRUE(button.popupActive);
    MoveTo(popup, popup->ItemRect(13).center());
    EXPECT_EQ(button.GetColour(), kBlue); // previewed while tracking
    MoveTo(popup, popup->ItemRect(CColourPopup::kAutomaticIndex).center());
    QTest::keyClick(popup, Qt::Key_Escape);

    EXPECT_EQ(button.GetColour(), kRed);
    EXPECT_FALSE(button.popupActive);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{
                                   Event("dropdown", kRed, 1006),
                                   Event("changed", kBlue, 1006),
                                   Event("changed", kAutomaticColour, 1006),
                                   Event("closeup", kRed, 1006),
                                   Event("cancelled", kRed, 1006),
                               }));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(popup.isNull());
}

TEST(CColorButton, AcceptingAutomaticGivesZeroColourBytes) {
    QWidget window;
    CColorButton button(1018, &window);
    button.SetColour(kBlue);
    window.show();
    Recorder recorder(button);

    button.click();
    CColourPopup* popup = button.Popup();
    ASSERT_NE(popup, nullptr);
    const QPoint automatic = popup->ItemRect(CColourPopup::kAutomaticIndex).center();
    MoveTo(popup, automatic);
    ReleaseAt(popup, automatic);

    EXPECT_EQ(button.GetColour(), kAutomaticColour);
    EXPECT_EQ(RedOf(button.GetColour()), 0);
    EXPECT_EQ(GreenOf(button.GetColour()), 0);
    EXPECT_EQ(BlueOf(button.GetColour()), 0);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{
                                   Event("dropdown", kBlue, 1018),
                                   Event("changed", kAutomaticColour, 1018),
                                   Event("closeup", kAutomaticColour, 1018),
                                   Event("accepted", kAutomaticColour, 1018),
                                   Event("changed", kAutomaticColour, 1018),
                               }));
}

TEST(CColorButton, AcceptingTheSameColourSendsNoChange) {
    QWidget window;
    CColorButton button(1041, &window);
    button.SetColour(kRed);
    window.show();
    Recorder recorder(button);
    button.click();
    QTest::keyClick(button.Popup(), Qt::Key_Return);
    EXPECT_EQ(button.GetColour(), kRed);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{
                                   Event("dropdown", kRed, 1041),
                                   Event("closeup", kRed, 1041),
                                   Event("accepted", kRed, 1041),
                               }));
}

TEST(CColorButton, ReleasingOutsideThePopupCancels) {
    QWidget window;
    CColorButton button(1019, &window);
    button.SetColour(kRed);
    window.show();
    button.click();
    CColourPopup* popup = button.Popup();
    ASSERT_NE(popup, nullptr);
    MoveTo(popup, popup->ItemRect(13).center());
    ReleaseAt(popup, QPoint(-20, -20));
    EXPECT_EQ(button.GetColour(), kRed);
    EXPECT_FALSE(button.popupActive);
}

// Answers the colour dialog the popup opens, once it is up.
void AnswerColourDialog(const QColor& colour, bool accept) {
    QTimer::singleShot(0, [colour, accept] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->currentColor(), QColor(255, 0, 0)); // it starts at the opening colour
        dialog->setCurrentColor(colour);
        if (accept) {
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
}

TEST(CColorButton, MoreColorsTakesTheDialogsColourOrCancels) {
    QWidget window;
    CColorButton button(1006, &window);
    button.SetColour(kRed);
    window.show();
    Recorder recorder(button);

    const ColorRef custom = MakeColorRef(12, 34, 56);
    button.click();
    const QPoint more = button.Popup()->ItemRect(CColourPopup::kCustomIndex).center();
    MoveTo(button.Popup(), more);
    AnswerColourDialog(ToQColor(custom), true);
    ReleaseAt(button.Popup(), more);
    EXPECT_EQ(button.GetColour(), custom);
    EXPECT_EQ(recorder.events.back(), Event("changed", custom, 1006));

    button.SetColour(kRed);
    button.click();
    MoveTo(button.Popup(), more);
    AnswerColourDialog(Qt::green, false);
    ReleaseAt(button.Popup(), more);
    EXPECT_EQ(button.GetColour(), kRed);
    EXPECT_EQ(recorder.events.back(), Event("cancelled", kRed, 1006));
}

} // namespace

#include "Screenshot.h"

namespace {

TEST(Screenshots, ColourPopup) {
    QWidget window;
    CColorButton button(1006, &window);
    button.SetColour(MakeColorRef(0, 0, 255));
    button.move(10, 10);
    window.resize(120, 60);
    window.show();
    button.click();
    CColourPopup* popup = button.Popup();
    ASSERT_NE(popup, nullptr);
    MoveTo(popup, popup->ItemRect(26).center());
    EXPECT_TRUE(SaveScreenshot(popup, "colour_popup"));
    EXPECT_TRUE(SaveScreenshot(&window, "colour_button"));
    popup->close();
}

} // namespace
