#include "ui/CUnitEdit.h"

#include "base/NumberFormat.h"
#include "base/Windows1252.h"
#include "ui/UnitText.h"

#include <QKeyEvent>
#include <algorithm>
#include <cmath>

namespace {

// Printf-style formatting that always writes a point, whatever the process locale.
QString FormatNumber(const std::string& format, float x) {
    return QString::asprintf(format.c_str(), double{x});
}

QString FormatNumberAndUnit(const std::string& format, float x, const std::string& unitText) {
    return QString::asprintf(format.c_str(), double{x},
                             Windows1252ToUtf8(unitText, Undefined1252::C1Control).c_str());
}

} // namespace

CUnitEdit::CUnitEdit(int id, QWidget* parent) : QLineEdit(parent), controlId(id) {}

void CUnitEdit::RebuildFormat() {
    displayFormat = UnitDisplayFormat(precision, !unit.empty());
}

void CUnitEdit::SetPrecision(int n) {
    // A negative count would make a malformed format; beyond 15 a float has no more digits to show.
    precision = std::clamp(n, 0, 15);
    RebuildFormat();
}

void CUnitEdit::SetUnit(const std::string& text) {
    unit = text;
    RebuildFormat();
}

void CUnitEdit::SetLimits(float min, float max) {
    minimum = min;
    maximum = max;
}

float CUnitEdit::Clamped(float x) const {
    if (std::fabs(double{minimum} - double{maximum}) < 1e-12) {
        return x;
    }
    if (std::isnan(x) || x < minimum) {
        return minimum;
    }
    return x > maximum ? maximum : x;
}

void CUnitEdit::SetValue(float x) {
    value = Clamped(x);
    Redisplay();
}

void CUnitEdit::SetValueAndUnit(float x, const std::string& text) {
    value = Clamped(x);
    SetUnit(text);
    Redisplay();
}

void CUnitEdit::Redisplay() {
    if (unit.empty()) {
        setText(FormatNumber(displayFormat, value));
        displayUnit.clear();
        return;
    }
    if (!usePrefix) {
        setText(FormatNumberAndUnit(displayFormat, value, unit));
        displayUnit = unit;
        return;
    }
    std::string prefixed;
    int exponent = 1;
    const float scaled = FormatWithSiPrefix(value, unit, prefixed, exponent, false);
    setText(FormatNumberAndUnit(displayFormat, scaled, prefixed));
    displayUnit = prefixed;
}

bool CUnitEdit::Commit() {
    const std::string typed = text().toLatin1().toStdString();
    if (typed.empty()) {
        return false;
    }
    const UnitInput input = ScanUnitInput(typed);
    const std::string word = input.hasWord ? input.word : displayUnit;
    const auto number = static_cast<float>(input.number * PrefixMultiplier(word, unit));
    if (number == value) {
        return false;
    }
    SetValue(number);
    displayUnit = word;
    emit unitEditCommit(controlId);
    return true;
}

// Tab never reaches keyPressEvent: the widget's focus chain takes it first.
bool CUnitEdit::event(QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && isModified()) {
            Commit();
        }
    }
    return QLineEdit::event(e);
}

void CUnitEdit::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        Commit();
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

// Only typed text is committed when the focus moves on: the shown text has fewer decimals than
// the value, so reading back an untouched field would round the value silently.
void CUnitEdit::focusOutEvent(QFocusEvent* e) {
    if (commitOnKillFocus) {
        if (isModified()) {
            Commit();
        }
    } else {
        Redisplay();
    }
    QLineEdit::focusOutEvent(e);
}
