// PaletteSheet: draws every built-in colour table as a labelled strip ("index name"), in list
// order, down two columns, so the tables can be checked by eye.
#pragma once

#include <QImage>

QImage RenderPaletteSheet();
