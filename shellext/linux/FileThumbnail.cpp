#include "shellext/linux/FileThumbnail.h"

#include "shellext/CIBWPreview.h"
#include "shellext/CQVDFReader.h"
#include "shellext/RenderFirstChannel.h"

std::optional<PaletteBitmap> FileThumbnail(const std::filesystem::path& path, int size) {
    CIBWPreview preview;
    preview.Load(path, 0);
    // A wave with or without a preview footer; else, perhaps, a container.
    if (std::optional<PaletteBitmap> wave = RenderFirstChannel(preview, {size, size})) {
        return wave;
    }
    return CQVDFReader(path).GetThumbnailBitmap(0, {size, size});
}
