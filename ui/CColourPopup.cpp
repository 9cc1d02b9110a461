#include "ui/CColourPopup.h"

#include "ui/ColourPalette.h"

#include <QColorDialog>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolTip>
#include <QtWidgets/qdrawutil.h>
#include <algorithm>

CColourPopup::CColourPopup(const QRect& ownerRect, ColorRef initial, QWidget* owner,
                           const QString& defaultCaption, const QString& customCaption)
    : QWidget(owner, Qt::Popup), initialColour(initial), defaultText(defaultCaption),
      customText(customCaption) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    rows = (kPaletteSize + kPaletteColumns - 1) / kPaletteColumns;
    if (cell - 2 * margin < 7) {
        cell = 2 * margin + 7;
    }
    Layout(ownerRect);

    if (initial == kAutomaticColour && !defaultText.isEmpty()) {
        initialIndex = kAutomaticIndex;
    } else if (const int index = PaletteIndexOf(initial); index >= 0) {
        initialIndex = index;
    } else {
        initialIndex = customText.isEmpty() ? kNoIndex : kCustomIndex;
    }
    highlighted = initialIndex;
    show();
    setFocus();
}

void CColourPopup::Layout(const QRect& ownerRect) {
    const QFontMetrics metrics(font());
    const int areaHeight = metrics.height() + 4 * margin + 2;
    int width = 2 * margin + kPaletteColumns * cell;
    for (const QString& caption : {defaultText, customText}) {
        if (!caption.isEmpty()) {
            width = std::max(width, metrics.horizontalAdvance(caption) + 2 * margin + 4 * margin);
        }
    }

    int y = margin;
    if (!defaultText.isEmpty()) {
        defaultRect = QRect(margin, y, width - 2 * margin, areaHeight);
        y += areaHeight + margin;
    }
    gridOrigin = QPoint((width - kPaletteColumns * cell) / 2, y);
    y += rows * cell + margin;
    if (!customText.isEmpty()) {
        y += 2 * margin; // room for the etched separator
        customRect = QRect(margin, y, width - 2 * margin, areaHeight);
        y += areaHeight + margin;
    }
    resize(width, y);

    // Keep the whole popup on the screen the button is on.
    QPoint origin = ownerRect.bottomLeft() + QPoint(0, 1);
    const QScreen* screen = QGuiApplication::screenAt(ownerRect.center());
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        if (origin.x() + width > area.right() + 1) {
            origin.setX(area.right() + 1 - width);
        }
        if (origin.x() < area.left()) {
            origin.setX(area.left());
        }
        if (origin.y() + y > area.bottom() + 1) {
            origin.setY(ownerRect.top() - y);
        }
    }
    move(origin);
}

QRect CColourPopup::ItemRect(int index) const {
    if (index == kAutomaticIndex) {
        return defaultRect;
    }
    if (index == kCustomIndex) {
        return customRect;
    }
    if (index < 0 || index >= kPaletteSize) {
        return {};
    }
    return QRect(gridOrigin.x() + index % kPaletteColumns * cell,
                 gridOrigin.y() + index / kPaletteColumns * cell, cell, cell);
}

int CColourPopup::IndexAt(const QPoint& pos) const {
    if (defaultRect.contains(pos)) {
        return kAutomaticIndex;
    }
    if (customRect.contains(pos)) {
        return kCustomIndex;
    }
    const QPoint p = pos - gridOrigin;
    if (p.x() < 0 || p.y() < 0 || p.x() >= kPaletteColumns * cell) {
        return kNoIndex;
    }
    const int index = p.y() / cell * kPaletteColumns + p.x() / cell;
    return index < kPaletteSize ? index : kNoIndex;
}

ColorRef CColourPopup::ColourOf(int index) const {
    if (index == kAutomaticIndex) {
        return kAutomaticColour;
    }
    if (index >= 0 && index < kPaletteSize) {
        return ColourPalette()[static_cast<std::size_t>(index)].colour;
    }
    return initialColour;
}

void CColourPopup::Highlight(int index) {
    if (index == highlighted) {
        return;
    }
    highlighted = index;
    update();
    emit colourHighlighted(ColourOf(index));
}

// The keyboard walks the order "Automatic", the cells row by row, "More Colors...", skipping
// areas that are hidden; vertical steps move a whole row and pass through the two areas.
int CColourPopup::Step(int index, int delta) const {
    const bool hasDefault = !defaultRect.isEmpty();
    const bool hasCustom = !customRect.isEmpty();
    if (index == kNoIndex) {
        return 0;
    }
    if (index == kAutomaticIndex) {
        return delta > 0 ? 0 : (hasCustom ? kCustomIndex : kPaletteSize - 1);
    }
    if (index == kCustomIndex) {
        return delta > 0 ? (hasDefault ? kAutomaticIndex : 0) : kPaletteSize - 1;
    }
    const int next = index + delta;
    if (next >= kPaletteSize) {
        return hasCustom ? kCustomIndex : (hasDefault ? kAutomaticIndex : 0);
    }
    if (next < 0) {
        return hasDefault ? kAutomaticIndex : (hasCustom ? kCustomIndex : kPaletteSize - 1);
    }
    return next;
}

bool CColourPopup::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const int index = IndexAt(help->pos());
        if (index >= 0) {
            QToolTip::showText(help->globalPos(),
                               QString::fromLatin1(ColourPalette()[static_cast<std::size_t>(index)].name),
                               this, ItemRect(index));
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(e);
}

void CColourPopup::PaintItem(QPainter& painter, int index) const {
    const QRect r = ItemRect(index);
    const QPalette& pal = palette();
    const bool isHighlighted = index == highlighted;
    const bool isInitial = index == initialIndex;
    painter.fillRect(r,
                     isInitial && !isHighlighted ? pal.color(QPalette::Light) : pal.color(QPalette::Button));
    if (isInitial) {
        qDrawShadePanel(&painter, r, pal, true, 1);
    }
    if (isHighlighted) {
        qDrawShadePanel(&painter, r.adjusted(1, 1, -1, -1), pal, false, 1);
    }
    if (index < 0) {
        painter.setPen(pal.color(QPalette::ButtonText));
        painter.drawText(r, Qt::AlignCenter, index == kAutomaticIndex ? defaultText : customText);
        return;
    }
    const QRect swatch = r.adjusted(margin + 1, margin + 1, -(margin + 1), -(margin + 1));
    painter.fillRect(swatch, ToQColor(ColourOf(index)));
    painter.setPen(pal.color(QPalette::Dark));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

void CColourPopup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(), pal.color(QPalette::Button));
    if (!defaultRect.isEmpty()) {
        PaintItem(painter, kAutomaticIndex);
    }
    for (int i = 0; i < kPaletteSize; ++i) {
        PaintItem(painter, i);
    }
    if (!customRect.isEmpty()) {
        const int y = customRect.top() - margin - 1;
        qDrawShadeLine(&painter, margin, y, width() - margin - 1, y, pal, true, 1, 0);
        PaintItem(painter, kCustomIndex);
    }
    qDrawWinPanel(&painter, rect(), pal, false);
}

void CColourPopup::mouseMoveEvent(QMouseEvent* e) {
    const int index = IndexAt(e->position().toPoint());
    if (index != kNoIndex) {
        Highlight(index);
    }
}

void CColourPopup::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        End(rect().contains(e->position().toPoint()));
    }
}

void CColourPopup::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Left:
        Highlight(Step(highlighted, -1));
        break;
    case Qt::Key_Right:
        Highlight(Step(highlighted, 1));
        break;
    case Qt::Key_Up:
        Highlight(Step(highlighted, -kPaletteColumns));
        break;
    case Qt::Key_Down:
        Highlight(Step(highlighted, kPaletteColumns));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        End(true);
        break;
    case Qt::Key_Escape:
        End(false);
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

// Clicks outside the popup and the application losing activation close it: both cancel.
void CColourPopup::closeEvent(QCloseEvent* e) {
    End(false);
    QWidget::closeEvent(e);
}

void CColourPopup::End(bool accept) {
    if (ended) {
        return;
    }
    ended = true;
    hide();

    ColorRef result = initialColour;
    if (accept && highlighted == kCustomIndex) {
        const QColor chosen = QColorDialog::getColor(ToQColor(initialColour), parentWidget());
        if (chosen.isValid()) {
            result = FromQColor(chosen);
        } else {
            accept = false;
        }
    } else if (accept) {
        result = ColourOf(highlighted);
    }
    if (accept) {
        emit selectionAccepted(result);
    } else {
        emit selectionCancelled(result);
    }
    deleteLater();
}
