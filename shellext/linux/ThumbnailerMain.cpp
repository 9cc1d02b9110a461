// qvibw-thumbnailer -s SIZE INPUT OUTPUT.png: a file manager's thumbnail of an IBW file, drawn from
// the preview of its first channel or force curve (or from the first channel's data when it has no
// preview footer), or of a QVDF container, drawn from its first image's thumbnail. Exit 0 with a PNG of SIZE x SIZE, non-zero and no PNG otherwise.
#include "shellext/linux/FileThumbnail.h"
#include "shellext/linux/WritePalettePng.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: qvibw-thumbnailer -s SIZE INPUT OUTPUT.png\n");
    return 2;
}

constexpr char kHelp[] = "usage: qvibw-thumbnailer -s SIZE INPUT OUTPUT.png\n"
                         "Writes a file manager's thumbnail of an .ibw file (the preview of its first\n"
                         "channel or force curve, else its first channel drawn from the data) or of a\n"
                         ".qvdf container (its first image's thumbnail) as a PNG of at most SIZE x SIZE\n"
                         "pixels. Exit status: 0, 1 when the file has no picture or the PNG cannot be\n"
                         "written, 2 for a wrong command line.\n"
                         "\n"
                         "Options:\n"
                         "  -s SIZE     Largest side of the thumbnail in pixels, 1 to 4096.\n"
                         "  -h, --help  Show this help.\n";

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (argc != 5 || std::strcmp(argv[1], "-s") != 0) {
        return Usage();
    }
    char* end = nullptr;
    long size = std::strtol(argv[2], &end, 10);
    if (*end != '\0' || size < 1 || size > 4096) {
        return Usage();
    }
    std::optional<PaletteBitmap> bitmap = FileThumbnail(argv[3], static_cast<int>(size));
    if (!bitmap) {
        std::fprintf(stderr, "qvibw-thumbnailer: %s has no picture\n", argv[3]);
        return 1;
    }
    if (!WritePalettePng(*bitmap, argv[4])) {
        std::fprintf(stderr, "qvibw-thumbnailer: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
