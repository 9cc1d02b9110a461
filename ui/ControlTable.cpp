#include "ui/ControlTable.h"

QWidget* ControlTable::Find(int id) const {
    for (const auto& [controlId, widget] : entries) {
        if (controlId == id) {
            return widget;
        }
    }
    return nullptr;
}
