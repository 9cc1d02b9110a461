#include "app/QV3DViewer/frame/CChannelBarCombo.h"

#include "app/QV3DViewer/frame/CChannelBar.h"

CChannelBarCombo::CChannelBarCombo(CChannelBar* bar_, int controlId_, QWidget* parent)
    : QComboBox(parent), bar(bar_), controlId(controlId_) {
    setEditable(false);
    setFocusPolicy(Qt::TabFocus);
    // A pick of the user, also of the line already shown, re-applies it.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (bar != nullptr) {
            bar->OnListChanged(controlId, index);
        }
    });
}
