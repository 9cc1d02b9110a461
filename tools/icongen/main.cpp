// icongen FOLDER: writes the shell extension's file-type icons, ibwfile.ico and qvdffile.ico.
#include "tools/icongen/IconGen.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen FOLDER\n");
        return 2;
    }
    if (!icongen::WriteIcons(argv[1])) {
        std::fprintf(stderr, "icongen: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
