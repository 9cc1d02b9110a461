#include "shellext/linux/FileThumbnail.h"

#include "shellext/CIBWPreview.h"
#include "shellext/CQVDFReader.h"
#include "shellext/RenderForcePlot.h"
#include "shellext/RenderPreviewImage.h"

std::optional<PaletteBitmap> FileThumbnail(const std::filesystem::path& path, int size) {
    CIBWPreview preview;
    int kind = preview.Load(path, 0);
    if (kind == kIBWPreviewForce) {
        return RenderForcePlot(preview.GetDescriptor()->forceChannels[0], {size, size});
    }
    if (kind != kIBWPreviewImage) {
        // Not a wave with a preview footer: the tail decides quickly, then try a container.
        return CQVDFReader(path).GetThumbnailBitmap(0, {size, size});
    }
    const IBWImagePreview& channel = preview.GetDescriptor()->imageChannels[0];
    // The sizes are 16-bit numbers in the picture's own terms.
    return RenderPreviewImage(static_cast<std::int16_t>(channel.width),
                              static_cast<std::int16_t>(channel.height), channel.data, {size, size});
}
