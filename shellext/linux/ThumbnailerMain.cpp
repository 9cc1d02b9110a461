// qvibw-thumbnailer -s SIZE INPUT OUTPUT.png: a file manager's thumbnail of an IBW file, drawn from
// the preview of its first channel or force curve, or of a QVDF container, drawn from its first
// image's thumbnail. Exit 0 with a PNG of SIZE x SIZE, non-zero and no PNG otherwise.
#include "shellext/CIBWPreview.h"
#include "shellext/CQVDFReader.h"
#include "shellext/RenderForcePlot.h"
#include "shellext/RenderPreviewImage.h"
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

std::optional<PaletteBitmap> Thumbnail(const char* input, int size) {
    CIBWPreview preview;
    int kind = preview.Load(input, 0);
    if (kind == kIBWPreviewForce) {
        return RenderForcePlot(preview.GetDescriptor()->forceChannels[0], {size, size});
    }
    if (kind != kIBWPreviewImage) {
        // Not a wave with a preview footer: the tail decides quickly, then try a container.
        return CQVDFReader(input).GetThumbnailBitmap(0, {size, size});
    }
    const IBWImagePreview& channel = preview.GetDescriptor()->imageChannels[0];
    // The sizes are 16-bit numbers in the picture's own terms.
    return RenderPreviewImage(static_cast<std::int16_t>(channel.width),
                              static_cast<std::int16_t>(channel.height), channel.data, {size, size});
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5 || std::strcmp(argv[1], "-s") != 0) {
        return Usage();
    }
    char* end = nullptr;
    long size = std::strtol(argv[2], &end, 10);
    if (*end != '\0' || size < 1 || size > 4096) {
        return Usage();
    }
    std::optional<PaletteBitmap> bitmap = Thumbnail(argv[3], static_cast<int>(size));
    if (!bitmap) {
        std::fprintf(stderr, "qvibw-thumbnailer: %s has no preview\n", argv[3]);
        return 1;
    }
    if (!WritePalettePng(*bitmap, argv[4])) {
        std::fprintf(stderr, "qvibw-thumbnailer: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
