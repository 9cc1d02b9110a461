#include "ui/CColorButton.h"

#include "ui/CColourPopup.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QtWidgets/qdrawutil.h>

namespace {

constexpr int kEdge = 2; // the system edge width the swatch keeps from the button's face

} // namespace

CColorButton::CColorButton(int id, QWidget* parent) : QPushButton(parent), controlId(id) {
    defaultColour = FromQColor(palette().color(QPalette::Dark));
    connect(this, &QPushButton::clicked, this, &CColorButton::OpenPopup);
}

void CColorButton::SetColour(ColorRef c) {
    colour = c;
    repaint();
}

QSize CColorButton::sizeHint() const {
    const QSize base = QPushButton::sizeHint();
    return {std::max(base.width(), 48), base.height()};
}

void CColorButton::OpenPopup() {
    popupActive = true;
    const QRect global(mapToGlobal(QPoint(0, 0)), size());
    popup = new CColourPopup(global, colour, this, defaultText, customText);
    connect(popup, &CColourPopup::selectionAccepted, this, &CColorButton::OnAccepted);
    connect(popup, &CColourPopup::selectionCancelled, this, &CColorButton::OnCancelled);
    connect(popup, &CColourPopup::colourHighlighted, this, &CColorButton::OnHighlighted);
    update();
    emit colorDropDown(colour, controlId);
}

void CColorButton::OnAccepted(ColorRef c) {
    const ColorRef before = colour;
    popupActive = false;
    popup = nullptr;
    SetColour(c);
    emit colorCloseUp(c, controlId);
    emit colorAccepted(c, controlId);
    if (c != before) {
        emit colorChanged(c, controlId);
    }
}

void CColorButton::OnCancelled(ColorRef c) {
    popupActive = false;
    popup = nullptr;
    SetColour(c);
    emit colorCloseUp(c, controlId);
    emit colorCancelled(c, controlId);
}

void CColorButton::OnHighlighted(ColorRef c) {
    if (trackSelection) {
        SetColour(c);
    }
    emit colorChanged(c, controlId);
}

void CColorButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    if (popupActive) {
        option.state |= QStyle::State_Sunken;
    }
    painter.drawControl(QStyle::CE_PushButton, option);

    const bool enabled = isEnabled();
    const QRect content = style()
                              ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                              .adjusted(kEdge, kEdge, -kEdge, -kEdge);

    // Drop-down arrow at the right edge, centred vertically.
    const int arrowHalf = 4;
    const int arrowHeight = 2;
    const int arrowRight = content.right() - 1;
    const int arrowCentreX = arrowRight - arrowHalf;
    const int arrowTop = content.center().y() - arrowHeight / 2;
    const QPoint arrow[3] = {QPoint(arrowCentreX - arrowHalf, arrowTop),
                             QPoint(arrowCentreX + arrowHalf, arrowTop),
                             QPoint(arrowCentreX, arrowTop + arrowHalf)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(enabled ? QColor(Qt::black) : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawPolygon(arrow, 3);

    const int lineX = arrowCentreX - arrowHalf - 4;
    qDrawShadeLine(&painter, lineX, content.top() + 1, lineX, content.bottom() - 1, palette(), true, 1, 0);

    if (enabled) {
        const QRect swatch(content.left() + 1, content.top() + 1, lineX - 3 - content.left(),
                           content.height() - 2);
        painter.setBrush(ToQColor(colour == kAutomaticColour ? defaultColour : colour));
        painter.setPen(Qt::black);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }
}
