#include "app/QV3DViewer/frame/CChannelBarCombo.h"

#include <utility>

CChannelBarCombo::CChannelBarCombo(std::function<void(int, int)> picked_, int controlId_, QWidget* parent)
    : QComboBox(parent), picked(std::move(picked_)), controlId(controlId_) {
    setEditable(false);
    setFocusPolicy(Qt::TabFocus);
    // A pick of the user, also of the line already shown, re-applies it.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (picked) {
            picked(controlId, index);
        }
    });
}
