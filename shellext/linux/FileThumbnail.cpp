#include "shellext/linux/FileThumbnail.h"

#include "shellext/CIBWPreview.h"
#include "shellext/CQVDFReader.h"
#include "shellext/RenderLoadedPreview.h"

std::optional<PaletteBitmap> FileThumbnail(const std::filesystem::path& path, int size) {
    CIBWPreview preview;
    if (preview.Load(path, 0) == kIBWPreviewNone) {
        // Not a wave with a preview footer: the tail decides quickly, then try a container.
        return CQVDFReader(path).GetThumbnailBitmap(0, {size, size});
    }
    return RenderLoadedPreview(preview, {size, size});
}
