// CColorButton: a push button showing a colour swatch; a click opens a CColourPopup. Its
// notifications carry the colour and the button's control id.
#pragma once

#include "ui/ColorRef.h"

#include <QPushButton>
#include <QString>

// Notification numbers kept from the message-based design; each is one signal of the button.
inline constexpr int WM_COLOR_CHANGED = 2025;
inline constexpr int WM_COLOR_DROPDOWN = 2026;
inline constexpr int WM_COLOR_CLOSEUP = 2027;
inline constexpr int WM_COLOR_ACCEPTED = 2028;
inline constexpr int WM_COLOR_CANCELLED = 2029;

class CColourPopup;

class CColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit CColorButton(int controlId = 0, QWidget* parent = nullptr);

    void SetColour(ColorRef c);
    ColorRef GetColour() const { return colour; }
    int ControlId() const { return controlId; }
    CColourPopup* Popup() const { return popup; }
    QSize sizeHint() const override;

    ColorRef defaultColour;                // drawn while `colour` is automatic
    QString defaultText = "Automatic";     // top area of the popup; empty hides it
    QString customText = "More Colors..."; // bottom area of the popup; empty hides it
    bool popupActive = false;              // a popup is open
    bool trackSelection = false;           // preview the highlighted colour while open

signals:
    void colorChanged(ColorRef colour, int controlId);   // WM_COLOR_CHANGED
    void colorDropDown(ColorRef colour, int controlId);  // WM_COLOR_DROPDOWN
    void colorCloseUp(ColorRef colour, int controlId);   // WM_COLOR_CLOSEUP
    void colorAccepted(ColorRef colour, int controlId);  // WM_COLOR_ACCEPTED
    void colorCancelled(ColorRef colour, int controlId); // WM_COLOR_CANCELLED

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OpenPopup();
    void OnAccepted(ColorRef c);
    void OnCancelled(ColorRef c);
    void OnHighlighted(ColorRef c);

    ColorRef colour = kAutomaticColour;
    int controlId;
    CColourPopup* popup = nullptr;
};
