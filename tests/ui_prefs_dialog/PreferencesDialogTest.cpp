#include "ui/CColorButton.h"
#include "ui/CPreferencesPage.h"
#include "ui/CPreferencesProp.h"
#include "ui/CUnitEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <climits>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Page = CPreferencesPage;

void ExpectSame(const ViewerPreferences& a, const ViewerPreferences& b) {
#define QV_SAME(field) EXPECT_EQ(a.field, b.field) << #field
    QV_SAME(ClipMode);
    QV_SAME(SpecularEnabled);
    QV_SAME(SpecularFactor);
    QV_SAME(ZAspectRatio);
    QV_SAME(ZoomFactor);
    QV_SAME(OrthoProjection);
    QV_SAME(ShowLabels);
    QV_SAME(ShowBoundingBox);
    QV_SAME(ShowColorbar);
    QV_SAME(ShowLights);
    QV_SAME(UseChannelPalette);
    QV_SAME(AutoScaleChannel);
    QV_SAME(ControlBar);
    QV_SAME(AbsoluteZ);
    QV_SAME(AbsoluteZOverlay);
    QV_SAME(ZAspect1To1);
    QV_SAME(Anaglyph);
    QV_SAME(PaletteIndex);
    QV_SAME(NegativePalette);
    QV_SAME(InvertPalette);
    QV_SAME(ExportFactor);
    QV_SAME(DecimationEnable);
    QV_SAME(XDecimationThreshold);
    QV_SAME(YDecimationThreshold);
    QV_SAME(BackColor);
    QV_SAME(LightColor);
    QV_SAME(OnscreenTextColor);
    QV_SAME(NaNColor);
#undef QV_SAME
}

// The record as it is read from an empty store.
ViewerPreferences StoredDefaults() {
    ViewerPreferences p = DefaultPreferences;
    p.PaletteIndex = 50;
    p.OnscreenTextColor.a = 0;
    return p;
}

// Every field away from its default, with the alpha each colour has after a load.
ViewerPreferences Unusual() {
    ViewerPreferences p;
    p.ClipMode = 2;
    p.SpecularEnabled = true;
    p.SpecularFactor = 0.75f;
    p.ZAspectRatio = 1.25f;
    p.ZoomFactor = 2.5f;
    p.OrthoProjection = true;
    p.ShowLabels = false;
    p.ShowBoundingBox = true;
    p.ShowColorbar = false;
    p.ShowLights = false;
    p.UseChannelPalette = true;
    p.AutoScaleChannel = false;
    p.ControlBar = false;
    p.AbsoluteZ = true;
    p.AbsoluteZOverlay = false;
    p.ZAspect1To1 = true;
    p.Anaglyph = true;
    p.PaletteIndex = 7;
    p.NegativePalette = true;
    p.InvertPalette = true;
    p.ExportFactor = 4;
    p.DecimationEnable = false;
    p.XDecimationThreshold = 300;
    p.YDecimationThreshold = 200;
    p.BackColor = {10, 20, 30, 0};
    p.LightColor = {40, 50, 60, 0};
    p.OnscreenTextColor = {70, 80, 90, 0};
    p.NaNColor = {100, 110, 120, 255};
    return p;
}

QCheckBox* Check(Page* page, int id) {
    return qobject_cast<QCheckBox*>(page->Control(id));
}
QComboBox* Combo(Page* page, int id) {
    return qobject_cast<QComboBox*>(page->Control(id));
}
QLineEdit* Edit(Page* page, int id) {
    return qobject_cast<QLineEdit*>(page->Control(id));
}
CUnitEdit* UnitEdit(Page* page, int id) {
    return qobject_cast<CUnitEdit*>(page->Control(id));
}
CColorButton* Button(Page* page, int id) {
    return qobject_cast<CColorButton*>(page->Control(id));
}

void Type(QLineEdit* edit, const char* text) {
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Closes the next message box that opens, recording its text.
void CloseNextMessageBox(QString* text) {
    QTimer::singleShot(0, [text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            CloseNextMessageBox(text);
            return;
        }
        *text = box->text();
        box->accept();
    });
}

TEST(CPreferencesPage, ShowsEveryFieldOfTheRecord) {
    const CPreferencesProp sheet(Unusual());
    Page* page = sheet.Page();
    EXPECT_EQ(Combo(page, Page::IdClipMode)->currentText(), "Z Clip");
    EXPECT_EQ(Combo(page, Page::IdExportFactor)->currentText(), "4x");
    EXPECT_EQ(Combo(page, Page::IdPalette)->currentIndex(), 7);
    EXPECT_EQ(Combo(page, Page::IdPalette)->count(), 79);
    EXPECT_EQ(UnitEdit(page, Page::IdAspectRatio)->text(), "1.250");
    EXPECT_EQ(UnitEdit(page, Page::IdZoom)->text(), "2.500");
    EXPECT_EQ(UnitEdit(page, Page::IdSpecular)->text(), "75");
    EXPECT_EQ(Edit(page, Page::IdXThreshold)->text(), "300");
    EXPECT_EQ(Edit(page, Page::IdYThreshold)->text(), "200");
    EXPECT_FALSE(Edit(page, Page::IdXThreshold)->isEnabled());
    const std::pair<int, bool> checks[] = {
        {Page::IdShowLabels, false}, {Page::IdShowBoundingBox, true},   {Page::IdShowColorbar, false},
        {Page::IdAbsoluteZ, true},   {Page::IdAbsoluteZOverlay, false}, {Page::IdChannelPalette, true},
        {Page::IdAutoScale, false},  {Page::IdControlBar, false},       {Page::IdDecimate, false},
        {Page::IdLights, false},
    };
    for (const auto& [id, checked] : checks) {
        EXPECT_EQ(Check(page, id)->isChecked(), checked) << id;
    }
    EXPECT_EQ(Button(page, Page::IdBackColor)->GetColour(), MakeColorRef(10, 20, 30));
    EXPECT_EQ(Button(page, Page::IdLightColor)->GetColour(), MakeColorRef(40, 50, 60));
    EXPECT_EQ(Button(page, Page::IdTextColor)->GetColour(), MakeColorRef(70, 80, 90));
    EXPECT_EQ(Button(page, Page::IdNaNColor)->GetColour(), MakeColorRef(100, 110, 120));
    EXPECT_FALSE(page->IsModified());

    // Unchanged controls give the record back, fields without a control included.
    ASSERT_TRUE(page->Apply());
    ExpectSame(page->prefs, Unusual());
}

struct FieldCase {
    const char* name;
    std::function<void(Page*)> edit;
    std::function<void(ViewerPreferences&)> expect;
};

TEST(CPreferencesPage, EachControlEditsItsOwnField) {
    const FieldCase cases[] = {
        {"aspect", [](Page* p) { Type(Edit(p, Page::IdAspectRatio), "2.5"); },
         [](ViewerPreferences& r) { r.ZAspectRatio = 2.5f; }},
        {"clipping", [](Page* p) { Combo(p, Page::IdClipMode)->setCurrentIndex(1); },
         [](ViewerPreferences& r) { r.ClipMode = 1; }},
        {"zoom", [](Page* p) { Type(Edit(p, Page::IdZoom), "1.75"); },
         [](ViewerPreferences& r) { r.ZoomFactor = 1.75f; }},
        {"labels", [](Page* p) { Check(p, Page::IdShowLabels)->click(); },
         [](ViewerPreferences& r) { r.ShowLabels = false; }},
        {"box", [](Page* p) { Check(p, Page::IdShowBoundingBox)->click(); },
         [](ViewerPreferences& r) { r.ShowBoundingBox = true; }},
        {"colour bar", [](Page* p) { Check(p, Page::IdShowColorbar)->click(); },
         [](ViewerPreferences& r) { r.ShowColorbar = false; }},
        {"absolute z", [](Page* p) { Check(p, Page::IdAbsoluteZ)->click(); },
         [](ViewerPreferences& r) { r.AbsoluteZ = true; }},
        {"absolute z overlay", [](Page* p) { Check(p, Page::IdAbsoluteZOverlay)->click(); },
         [](ViewerPreferences& r) { r.AbsoluteZOverlay = false; }},
        {"channel palette", [](Page* p) { Check(p, Page::IdChannelPalette)->click(); },
         [](ViewerPreferences& r) { r.UseChannelPalette = true; }},
        {"autoscale", [](Page* p) { Check(p, Page::IdAutoScale)->click(); },
         [](ViewerPreferences& r) { r.AutoScaleChannel = false; }},
        {"control bar", [](Page* p) { Check(p, Page::IdControlBar)->click(); },
         [](ViewerPreferences& r) { r.ControlBar = false; }},
        {"export 3x", [](Page* p) { Combo(p, Page::IdExportFactor)->setCurrentText("3x"); },
         [](ViewerPreferences& r) { r.ExportFactor = 3; }},
        {"decimation", [](Page* p) { Check(p, Page::IdDecimate)->click(); },
         [](ViewerPreferences& r) { r.DecimationEnable = false; }},
        {"thresholds as typed",
         [](Page* p) {
             Edit(p, Page::IdXThreshold)->setText(" 512 ");
             Edit(p, Page::IdYThreshold)->setText("3");
         },
         [](ViewerPreferences& r) {
             r.XDecimationThreshold = 512;
             r.YDecimationThreshold = 3;
         }},
        {"background", [](Page* p) { Button(p, Page::IdBackColor)->SetColour(MakeColorRef(1, 2, 3)); },
         [](ViewerPreferences& r) {
             r.BackColor = {1, 2, 3, 0};
         }},
        {"light", [](Page* p) { Button(p, Page::IdLightColor)->SetColour(MakeColorRef(4, 5, 6)); },
         [](ViewerPreferences& r) {
             r.LightColor = {4, 5, 6, 0};
         }},
        {"text colour keeps alpha 0",
         [](Page* p) { Button(p, Page::IdTextColor)->SetColour(MakeColorRef(7, 8, 9)); },
         [](ViewerPreferences& r) {
             r.OnscreenTextColor = {7, 8, 9, 0};
         }},
        {"nan colour", [](Page* p) { Button(p, Page::IdNaNColor)->SetColour(MakeColorRef(10, 11, 12)); },
         [](ViewerPreferences& r) {
             r.NaNColor = {10, 11, 12, 255};
         }},
        {"automatic reads as black",
         [](Page* p) { Button(p, Page::IdBackColor)->SetColour(kAutomaticColour); },
         [](ViewerPreferences& r) {
             r.BackColor = {0, 0, 0, 0};
         }},
        {"palette", [](Page* p) { Combo(p, Page::IdPalette)->setCurrentIndex(78); },
         [](ViewerPreferences& r) { r.PaletteIndex = 78; }},
        {"lights", [](Page* p) { Check(p, Page::IdLights)->click(); },
         [](ViewerPreferences& r) { r.ShowLights = false; }},
        {"specular", [](Page* p) { Type(Edit(p, Page::IdSpecular), "20"); },
         [](ViewerPreferences& r) { r.SpecularFactor = 0.2f; }},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CPreferencesProp sheet(StoredDefaults());
        c.edit(sheet.Page());
        ASSERT_TRUE(sheet.Page()->Apply());
        ViewerPreferences expected = StoredDefaults();
        c.expect(expected);
        ExpectSame(sheet.GetPreferences(), expected);
    }
}

TEST(CPreferencesPage, UnitEditsClampToTheirLimits) {
    struct Case {
        int id;
        const char* typed;
        float ViewerPreferences::*field;
        float stored;
        const char* shown;
    };
    const Case cases[] = {
        {Page::IdSpecular, "250", &ViewerPreferences::SpecularFactor, 1.0f, "100"},
        {Page::IdSpecular, "-5", &ViewerPreferences::SpecularFactor, 0.0f, "0"},
        {Page::IdAspectRatio, "9", &ViewerPreferences::ZAspectRatio, 5.0f, "5.000"},
        {Page::IdAspectRatio, "-1", &ViewerPreferences::ZAspectRatio, 0.0f, "0.000"},
        {Page::IdAspectRatio, "abc", &ViewerPreferences::ZAspectRatio, 0.0f, "0.000"},
        {Page::IdAspectRatio, "2k", &ViewerPreferences::ZAspectRatio, 5.0f, "5.000"},
        {Page::IdZoom, "12.5", &ViewerPreferences::ZoomFactor, 12.5f, "12.500"},
        {Page::IdZoom, "-3", &ViewerPreferences::ZoomFactor, -3.0f, "-3.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const CPreferencesProp sheet(StoredDefaults());
        Type(UnitEdit(sheet.Page(), c.id), c.typed);
        EXPECT_EQ(UnitEdit(sheet.Page(), c.id)->text(), c.shown);
        EXPECT_TRUE(sheet.Page()->IsModified());
        ASSERT_TRUE(sheet.Page()->Apply());
        EXPECT_FLOAT_EQ(sheet.GetPreferences().*c.field, c.stored);
    }

    // Stored values beyond the limits are pulled in as they are shown.
    ViewerPreferences wild = StoredDefaults();
    wild.ZAspectRatio = 7.0f;
    wild.SpecularFactor = -2.0f;
    const CPreferencesProp sheet(wild);
    EXPECT_EQ(UnitEdit(sheet.Page(), Page::IdAspectRatio)->text(), "5.000");
    EXPECT_EQ(UnitEdit(sheet.Page(), Page::IdSpecular)->text(), "0");
}

TEST(CPreferencesPage, TextTypedButNotCommittedCountsOnOk) {
    const CPreferencesProp sheet(StoredDefaults());
    CUnitEdit* zoom = UnitEdit(sheet.Page(), Page::IdZoom);
    zoom->clear();
    QTest::keyClicks(zoom, "3");
    ASSERT_TRUE(sheet.Page()->Apply());
    EXPECT_FLOAT_EQ(sheet.GetPreferences().ZoomFactor, 3.0f);
}

TEST(CPreferencesPage, StoredIndexesOutsideTheListsSelectNothing) {
    ViewerPreferences damaged = StoredDefaults();
    damaged.ClipMode = 7;
    damaged.ExportFactor = INT_MIN;
    damaged.PaletteIndex = 79;
    const CPreferencesProp sheet(damaged);
    EXPECT_EQ(Combo(sheet.Page(), Page::IdClipMode)->currentIndex(), -1);
    EXPECT_EQ(Combo(sheet.Page(), Page::IdExportFactor)->currentIndex(), -1);
    EXPECT_EQ(Combo(sheet.Page(), Page::IdPalette)->currentIndex(), -1);
    ASSERT_TRUE(sheet.Page()->Apply());
    EXPECT_EQ(sheet.GetPreferences().ClipMode, -1);
    EXPECT_EQ(sheet.GetPreferences().ExportFactor, 0);
    EXPECT_EQ(sheet.GetPreferences().PaletteIndex, -1);
}

TEST(CPreferencesPage, DecimationCheckEnablesTheThresholds) {
    ViewerPreferences p = StoredDefaults();
    p.DecimationEnable = false;
    const CPreferencesProp sheet(p);
    Page* page = sheet.Page();
    EXPECT_FALSE(Edit(page, Page::IdXThreshold)->isEnabled());
    EXPECT_FALSE(Edit(page, Page::IdYThreshold)->isEnabled());
    Check(page, Page::IdDecimate)->click();
    EXPECT_TRUE(Edit(page, Page::IdXThreshold)->isEnabled());
    EXPECT_TRUE(Edit(page, Page::IdYThreshold)->isEnabled());
    EXPECT_TRUE(page->IsModified());
    Check(page, Page::IdDecimate)->click();
    EXPECT_FALSE(Edit(page, Page::IdYThreshold)->isEnabled());
}

TEST(CPreferencesProp, IsOneImagePageUnderOkAndCancel) {
    const CPreferencesProp sheet(StoredDefaults());
    EXPECT_EQ(sheet.windowTitle(), "Preferences");
    auto* tabs = sheet.findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 1);
    EXPECT_EQ(tabs->tabText(0), "Image");
    auto* box = sheet.findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
}

TEST(CPreferencesProp, OkReturnsTheEditedRecord) {
    CPreferencesProp sheet(StoredDefaults());
    bool openAfterReturn = false;
    QTimer::singleShot(0, [&sheet, &openAfterReturn] {
        Check(sheet.Page(), Page::IdShowColorbar)->click();
        // Return in a unit edit commits the number; it does not press OK.
        CUnitEdit* zoom = UnitEdit(sheet.Page(), Page::IdZoom);
        zoom->setFocus();
        zoom->clear();
        QTest::keyClicks(zoom, "4");
        QTest::keyClick(zoom, Qt::Key_Return);
        openAfterReturn = sheet.isVisible();
        QTest::mouseClick(sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    ASSERT_EQ(sheet.exec(), QDialog::Accepted);
    EXPECT_TRUE(openAfterReturn);
    ViewerPreferences expected = StoredDefaults();
    expected.ShowColorbar = false;
    expected.ZoomFactor = 4.0f;
    ExpectSame(sheet.GetPreferences(), expected);
}

TEST(CPreferencesProp, CancelLeavesTheRecordUntouched) {
    CPreferencesProp sheet(Unusual());
    QTimer::singleShot(0, [&sheet] {
        Page* page = sheet.Page();
        Check(page, Page::IdShowLabels)->click();
        Type(UnitEdit(page, Page::IdZoom), "4");
        Combo(page, Page::IdPalette)->setCurrentIndex(3);
        Button(page, Page::IdNaNColor)->SetColour(MakeColorRef(1, 1, 1));
        sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    ASSERT_EQ(sheet.exec(), QDialog::Rejected);
    ExpectSame(sheet.GetPreferences(), Unusual());
}

TEST(CPreferencesProp, ThresholdThatIsNotAnIntegerKeepsTheSheetOpen) {
    for (const char* typed : {"12a", "", "1.5", "99999999999"}) {
        SCOPED_TRACE(typed);
        CPreferencesProp sheet(StoredDefaults());
        sheet.show();
        Check(sheet.Page(), Page::IdShowLabels)->click();
        Edit(sheet.Page(), Page::IdYThreshold)->setText(typed);
        QString message;
        CloseNextMessageBox(&message);
        sheet.accept();
        EXPECT_EQ(message, "Enter an integer.");
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(sheet.result(), QDialog::Rejected);
        ExpectSame(sheet.GetPreferences(), StoredDefaults());
        EXPECT_TRUE(Edit(sheet.Page(), Page::IdYThreshold)->hasSelectedText() || QString(typed).isEmpty());
    }
}

TEST(CPreferencesProp, ThresholdBelowTwoIsRefusedWhileDecimating) {
    for (const char* typed : {"1", "0", "-5"}) {
        for (int id : {Page::IdXThreshold, Page::IdYThreshold}) {
            SCOPED_TRACE(std::string(typed) + (id == Page::IdXThreshold ? " x" : " y"));
            CPreferencesProp sheet(StoredDefaults());
            sheet.show();
            Edit(sheet.Page(), id)->setText(typed);
            QString message;
            CloseNextMessageBox(&message);
            sheet.accept();
            EXPECT_EQ(message, "Enter an integer of at least 2.");
            EXPECT_TRUE(sheet.isVisible());
            ExpectSame(sheet.GetPreferences(), StoredDefaults());
        }
    }
    // 2 is the least a surface needs and is taken.
    CPreferencesProp sheet(StoredDefaults());
    sheet.show();
    Edit(sheet.Page(), Page::IdXThreshold)->setText("2");
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.GetPreferences().XDecimationThreshold, 2);
}

TEST(Screenshots, PreferencesDialog) {
    CPreferencesProp sheet(StoredDefaults());
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    const QString scale = qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")
                              ? QString("1")
                              : qEnvironmentVariable("QT_SCALE_FACTOR");
    const QString percent = QString::number(qRound(scale.toDouble() * 100));
    QDir().mkpath(QV_SCREENSHOT_DIR);
    EXPECT_TRUE(sheet.grab().save(QString(QV_SCREENSHOT_DIR) + "/preferences_" + percent + ".png"));
}

} // namespace
