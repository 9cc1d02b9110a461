// CChannelBarCombo: a drop-down list on the channel bar that reports its picks to the bar.
#pragma once

#include <QComboBox>

class CChannelBar;

class CChannelBarCombo : public QComboBox {
public:
    CChannelBarCombo(CChannelBar* bar, int controlId, QWidget* parent);

    int ControlId() const { return controlId; }

private:
    CChannelBar* bar;
    int controlId;
};
