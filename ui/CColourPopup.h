// CColourPopup: the drop-down grid of the colour button: 40 named colours, an optional
// "Automatic" area above them and an optional "More Colors..." area below that opens the colour
// dialog. It lives only while open and deletes itself after reporting its result.
#pragma once

#include "ui/ColorRef.h"

#include <QRect>
#include <QString>
#include <QWidget>

class CColourPopup : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAutomaticIndex = -3; // the "Automatic" area
    static constexpr int kCustomIndex = -2;    // the "More Colors..." area
    static constexpr int kNoIndex = -1;

    // Opens below `ownerRect` (global coordinates), or above it when there is no room below.
    CColourPopup(const QRect& ownerRect, ColorRef initial, QWidget* owner, const QString& defaultText,
                 const QString& customText);

    int HighlightedIndex() const { return highlighted; }
    int InitialIndex() const { return initialIndex; }
    // The rectangle of a cell or caption area in widget coordinates; empty when it does not exist.
    QRect ItemRect(int index) const;
    int IndexAt(const QPoint& pos) const;
    ColorRef ColourOf(int index) const;

signals:
    void colourHighlighted(ColorRef colour); // the highlight moved
    void selectionAccepted(ColorRef colour);
    void selectionCancelled(ColorRef colour); // carries the colour the popup opened with

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Layout(const QRect& ownerRect);
    void Highlight(int index);
    int Step(int index, int delta) const;
    void End(bool accept);
    void PaintItem(QPainter& painter, int index) const;

    ColorRef initialColour;
    QString defaultText;
    QString customText;
    int margin = 2;
    int cell = 18;
    int rows = 5;
    QRect defaultRect;
    QRect customRect;
    QPoint gridOrigin;
    int highlighted = kNoIndex;
    int initialIndex = kNoIndex;
    bool ended = false;
};
