// palettes OUT.png: writes the contact sheet of all built-in colour tables. Needs no display.
#include "tools/palettes/PaletteSheet.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: palettes OUT.png\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (!RenderPaletteSheet().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "palettes: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
