// TrackbarSlider: the common look of the two measure sliders: a vertical slider has its lowest
// position at the top and the Up key moves towards it, as on the trackbars the control bar was laid
// out for; ticks placed at chosen positions are drawn on the tick side. Steps and values set from
// code send no valueChanged: only the user's moves notify, so a refresh never loops back.
#pragma once

#include <QSlider>
#include <vector>

class TrackbarSlider : public QSlider {
    Q_OBJECT
public:
    explicit TrackbarSlider(Qt::Orientation orientation, QWidget* parent = nullptr);

    void AddTickAt(int position);
    void ClearTicks();
    const std::vector<int>& Ticks() const { return ticks; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize WithTickRoom(QSize size) const;

    std::vector<int> ticks;
};
