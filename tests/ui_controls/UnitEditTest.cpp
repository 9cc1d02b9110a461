#include "ui/CUnitEdit.h"

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Text entered the way a user types it: QLineEdit marks it modified, setText alone does not.
void Type(QLineEdit& edit, const char* text) {
    edit.setText(text);
    edit.setModified(true);
}

struct EditCase {
    const char* name;
    const char* unit;
    int precision;
    float min, max;
    float start;
    const char* startText;
    const char* typed;
    float stored;
    const char* shown;
    int commits;
};

const EditCase kEditCases[] = {
    {"nano prefix typed", "m", 2, 0, 0, 0, "0.00 m", "5n", 5e-9f, "5.00 nm", 1},
    {"missing word takes the shown unit", "m", 2, 0, 0, 5e-9f, "5.00 nm", "7", 7e-9f, "7.00 nm", 1},
    {"shown base unit is not milli", "m", 2, 0, 0, 5, "5.00 m", "6", 6, "6.00 m", 1},
    {"prefixed unit typed", "m", 2, 0, 0, 1, "1.00 m", "2.5 nm", 2.5e-9f, "2.50 nm", 1},
    {"prefix letter alone", "m", 2, 0, 0, 1, "1.00 m", "300p", 3e-10f, "300.00 pm", 1},
    {"exponent with the base unit shown", "m", 3, 0, 0, 2, "2.000 m", "1e-9", 1e-9f, "1.000 nm", 1},
    {"micro sign", "m", 1, 0, 0, 1, "1.0 m", "3 \u00B5m", 3e-6f, "3.0 \u00B5m", 1},
    {"kilo on volts", "V", 2, 0, 0, 5, "5.00 V", "1.5kV", 1500, "1.50 kV", 1},
    {"specular pulled to its limit", "", 0, 0, 100, 40, "40", "250", 100, "100", 1},
    {"aspect below its limit", "", 3, 0, 5, 1, "1.000", "-3", 0, "0.000", 1},
    {"not a number commits zero", "", 3, 0.5f, 5, 1, "1.000", "abc", 0.5f, "0.500", 1},
    {"zoom has no limits", "", 3, 0, 0, 1, "1.000", "1e-9", 1e-9f, "0.000", 1},
    {"same value sends nothing", "", 2, 0, 0, 3, "3.00", "3", 3, "3", 0},
    {"empty text changes nothing", "", 2, 0, 0, 3, "3.00", "", 3, "", 0},
};

TEST(CUnitEdit, CommitsTypedTextWithPrefixesAndLimits) {
    for (const auto& c : kEditCases) {
        SCOPED_TRACE(c.name);
        CUnitEdit edit(1013);
        edit.SetPrecision(c.precision);
        edit.SetLimits(c.min, c.max);
        edit.SetValueAndUnit(c.start, c.unit);
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.startText));
        QSignalSpy commits(&edit, &CUnitEdit::unitEditCommit);
        edit.setText(QString::fromUtf8(c.typed));
        edit.Commit();
        EXPECT_FLOAT_EQ(edit.GetValue(), c.stored);
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.shown));
        ASSERT_EQ(commits.count(), c.commits);
        if (c.commits > 0) {
            EXPECT_EQ(commits.front().front().toInt(), 1013);
        }
    }
}

TEST(CUnitEdit, DisplayUnitBecomesTheTypedWord) {
    CUnitEdit edit;
    edit.SetUnit("m");
    edit.setText("5n");
    edit.Commit();
    EXPECT_EQ(edit.GetDisplayUnit(), "n");
    edit.setText("5n");
    EXPECT_FALSE(edit.Commit()); // a second commit of the same text finds no change
}

TEST(CUnitEdit, FormatsFollowPrecisionAndUnit) {
    CUnitEdit edit;
    EXPECT_EQ(edit.GetDisplayFormat(), "%0.02f");
    edit.SetPrecision(3);
    EXPECT_EQ(edit.GetDisplayFormat(), "%0.03f");
    edit.SetUnit("V");
    EXPECT_EQ(edit.GetDisplayFormat(), "%0.03f %s");
    edit.SetPrecision(-1); // no malformed format
    EXPECT_EQ(edit.GetDisplayFormat(), "%0.00f %s");

    edit.usePrefix = false;
    edit.SetValue(5000);
    EXPECT_EQ(edit.text(), "5000 V");
    EXPECT_EQ(edit.GetDisplayUnit(), "V");
    edit.SetUnit("");
    edit.Redisplay();
    EXPECT_EQ(edit.text(), "5000");
    EXPECT_EQ(edit.GetDisplayUnit(), "");
}

TEST(CUnitEdit, NaNBecomesTheMinimumWhenLimited) {
    CUnitEdit edit;
    edit.SetLimits(0.25f, 5);
    edit.SetValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_FLOAT_EQ(edit.GetValue(), 0.25f);
    edit.SetValue(9);
    EXPECT_FLOAT_EQ(edit.GetValue(), 5.0f);
}

TEST(CUnitEdit, ReturnCommitsWithoutPressingTheDefaultButton) {
    QDialog dialog;
    auto* edit = new CUnitEdit(1046, &dialog);
    auto* ok = new QPushButton("OK", &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(edit);
    layout->addWidget(ok);
    dialog.show();
    QSignalSpy commits(edit, &CUnitEdit::unitEditCommit);
    QSignalSpy accepted(&dialog, &QDialog::accepted);

    Type(*edit, "2.5");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FLOAT_EQ(edit->GetValue(), 2.5f);
    EXPECT_EQ(commits.count(), 1);
    EXPECT_EQ(accepted.count(), 0);

    Type(*edit, "4");
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_FLOAT_EQ(edit->GetValue(), 4.0f);
    EXPECT_EQ(commits.count(), 2);
}

TEST(CUnitEdit, FocusLossCommitsOnlyWhenAsked) {
    CUnitEdit edit;
    edit.SetValue(1);
    Type(edit, "8");
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(&edit, &out);
    EXPECT_FLOAT_EQ(edit.GetValue(), 8.0f);

    edit.commitOnKillFocus = false;
    Type(edit, "9");
    QApplication::sendEvent(&edit, &out);
    EXPECT_FLOAT_EQ(edit.GetValue(), 8.0f);
    EXPECT_EQ(edit.text(), "8.00");
}

TEST(CUnitEdit, LeavingAnUntouchedFieldKeepsTheExactValue) {
    CUnitEdit edit;
    edit.SetPrecision(3);
    edit.SetValue(1.0f / 3.0f);
    QSignalSpy commits(&edit, &CUnitEdit::unitEditCommit);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(&edit, &out);
    QTest::keyClick(&edit, Qt::Key_Tab);
    EXPECT_FLOAT_EQ(edit.GetValue(), 1.0f / 3.0f);
    EXPECT_EQ(commits.count(), 0);
}

TEST(CUnitEdit, NumbersUseAPointWhateverTheLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no comma locale installed";
    }
    CUnitEdit edit;
    edit.SetUnit("m");
    edit.SetValue(2.5e-9f);
    const QString shown = edit.text();
    edit.setText("1.5 um");
    edit.Commit();
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(shown, "2.50 nm");
    EXPECT_FLOAT_EQ(edit.GetValue(), 1.5e-6f);
}

} // namespace
