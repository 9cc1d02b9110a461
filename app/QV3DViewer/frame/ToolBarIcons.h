// The standard toolbar's pictures: the desktop icon theme's where it has one, otherwise the
// style's where it shows the same thing, or one drawn for this program.
#pragma once

#include <QIcon>
#include <QStyle>

// A null icon for a command that has no toolbar button.
QIcon ToolBarIcon(int command, const QStyle& style);
