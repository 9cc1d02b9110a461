// CSpinButtonCtrl: up and down arrows attached to the right of an edit, their buddy. They hold a
// whole-number position within a range; an arrow held down repeats, with steps that grow the
// longer it is held (the acceleration table), and the Up and Down keys in the buddy step by one.
#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <vector>

class QToolButton;

class CSpinButtonCtrl : public QWidget {
public:
    struct Accel {
        int seconds; // held this long or longer...
        int step;    // ...moves this far per repeat
    };

    explicit CSpinButtonCtrl(QWidget* buddy, QWidget* parent = nullptr);

    void SetRange(int low, int high);
    // Clamped to the range; sends no positionChanged.
    void SetPos(int position);
    int GetPos() const { return position; }
    void SetAccel(std::vector<Accel> table);
    // One user step in a direction (+1 up, -1 down) after the arrow was held `milliseconds`.
    void StepBy(int direction, qint64 milliseconds);

    std::function<void(int)> positionChanged; // user moves only

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The step for an arrow held `milliseconds` long.
    int StepAfter(qint64 milliseconds) const;
    QToolButton* AddArrow(Qt::ArrowType arrow, int direction);

    QWidget* buddy;
    int low = 0;
    int high = 100;
    int position = 0;
    std::vector<Accel> accel{{0, 1}};
    QElapsedTimer held;
};
