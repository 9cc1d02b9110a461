#include "ui/CHyperLink.h"

#include "ui/HyperlinkErrorText.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QMouseEvent>
#include <QUrl>

CHyperLink::CHyperLink(const QString& text, QWidget* parent) : QLabel(text, parent), url(text) {
    setCursor(Qt::PointingHandCursor);
    setToolTip(url);
    Restyle();
    ResizeToText();
}

void CHyperLink::SetURL(const QString& text) {
    url = text;
    if (QLabel::text().isEmpty()) {
        setText(url);
    }
    setToolTip(url);
    ResizeToText();
}

void CHyperLink::SetColours(const QColor& link, const QColor& visitedLink, const QColor& hover) {
    linkColour = link;
    visitedColour = visitedLink;
    hoverColour = hover.isValid() ? hover : palette().color(QPalette::Highlight);
    Restyle();
}

void CHyperLink::SetVisited(bool on) {
    visited = on;
    Restyle();
}

void CHyperLink::SetUnderline(int mode) {
    underlineMode = mode;
    Restyle();
    ResizeToText();
}

void CHyperLink::SetAutoSize(bool on) {
    autoSize = on;
    ResizeToText();
}

void CHyperLink::SetLinkCursor(const QCursor& cursor) {
    setCursor(cursor);
}

QColor CHyperLink::CurrentColour() const {
    if (overLink) {
        return hoverColour;
    }
    return visited ? visitedColour : linkColour;
}

void CHyperLink::Restyle() {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, CurrentColour());
    setPalette(pal);
    QFont f = font();
    f.setUnderline(underlineMode == 1 || (underlineMode == -1 && overLink));
    setFont(f);
}

void CHyperLink::ResizeToText() {
    if (autoSize) {
        // Measured with the underlined font, so hovering never changes the size.
        QFont underlined = font();
        underlined.setUnderline(true);
        const QFontMetrics metrics(underlined);
        const QMargins m = contentsMargins();
        resize(metrics.horizontalAdvance(text()) + m.left() + m.right() + 2 * margin(),
               metrics.height() + m.top() + m.bottom() + 2 * margin());
    }
}

void CHyperLink::enterEvent(QEnterEvent* event) {
    overLink = true;
    Restyle();
    QLabel::enterEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event) {
    overLink = false;
    Restyle();
    QLabel::leaveEvent(event);
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    overLink = false;
    Restyle();
    const int result = GotoURL(url);
    if (result > kOpenedAbove) {
        SetVisited(true);
        return;
    }
    QApplication::beep();
    QMessageBox::warning(this, QGuiApplication::applicationDisplayName(),
                         "Unable to open hyperlink:\n\n" +
                             QString::fromStdString(HyperlinkErrorText(result)));
}

int CHyperLink::GotoURL(const QString& target) {
    const QUrl link = QUrl::fromUserInput(target);
    return link.isValid() && QDesktopServices::openUrl(link) ? kOpened : kNoHandler;
}
