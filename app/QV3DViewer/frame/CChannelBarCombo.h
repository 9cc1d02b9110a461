// CChannelBarCombo: a drop-down list on the channel bar that reports its picks, with its control
// id, to the function its owner gives.
#pragma once

#include <QComboBox>

#include <functional>

class CChannelBarCombo : public QComboBox {
public:
    CChannelBarCombo(std::function<void(int controlId, int index)> picked, int controlId, QWidget* parent);

    int ControlId() const { return controlId; }

private:
    std::function<void(int, int)> picked;
    int controlId;
};
