// CUnitEdit: a line edit for one number in a base unit, shown with an SI prefix, a fixed number of
// decimals and optional limits. Typed text is committed on Return, Tab and (optionally) focus loss.
#pragma once

#include <QLineEdit>
#include <string>

// Notification number kept from the message-based design; it is the signal unitEditCommit.
inline constexpr int WM_UNITEDIT_COMMIT = 3025;

class CUnitEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CUnitEdit(int controlId = 0, QWidget* parent = nullptr);

    void SetPrecision(int n);
    // Texts are single-byte Windows-1252, as the channel units are.
    void SetUnit(const std::string& text);
    void SetLimits(float min, float max);
    void SetValue(float x);
    void SetValueAndUnit(float x, const std::string& text);
    void Redisplay();
    // Reads the typed text; returns true, after emitting unitEditCommit, when the value changed.
    bool Commit();

    float GetValue() const { return value; }
    int GetPrecision() const { return precision; }
    const std::string& GetUnit() const { return unit; }
    const std::string& GetDisplayUnit() const { return displayUnit; }
    const std::string& GetDisplayFormat() const { return displayFormat; }
    int ControlId() const { return controlId; }

    bool commitOnKillFocus = true; // commit typed text when the edit loses the focus
    bool usePrefix = true;         // show the value scaled to an SI prefix of the unit

signals:
    void unitEditCommit(int controlId); // WM_UNITEDIT_COMMIT

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    float Clamped(float x) const;
    void RebuildFormat();

    float value = 0.0f;
    int precision = 2;
    float minimum = 0.0f;
    float maximum = 0.0f; // no limits while |minimum - maximum| < 1e-12
    std::string unit;
    std::string displayUnit;
    std::string displayFormat = "%0.02f";
    int controlId;
};
