#include "shellext/RenderFirstChannel.h"

#include "shellext/RenderLoadedPreview.h"
#include "shellext/RenderWaveImage.h"
#include "shellext/ShellWaveImage.h"

namespace {

// The wave behind a preview that found no footer.
std::optional<ShellWaveImage> WaveWithoutFooter(const CIBWPreview& preview) {
    ShellWaveImage image;
    if (preview.GetKind() != kIBWPreviewNone || !preview.Source() ||
        !ReadShellWaveImage(*preview.Source(), &image)) {
        return std::nullopt;
    }
    return image;
}

} // namespace

std::optional<PaletteBitmap> RenderFirstChannel(const CIBWPreview& preview, ThumbnailSize size) {
    if (preview.GetKind() != kIBWPreviewNone) {
        return RenderLoadedPreview(preview, size);
    }
    const std::optional<ShellWaveImage> image = WaveWithoutFooter(preview);
    return image ? RenderWaveImage(*preview.Source(), *image, size) : std::nullopt;
}

ThumbnailSize FitFirstChannel(const CIBWPreview& preview, std::int32_t side) {
    if (preview.GetKind() != kIBWPreviewNone) {
        return FitLoadedPreview(preview, side);
    }
    const std::optional<ShellWaveImage> image = WaveWithoutFooter(preview);
    return image ? FittedSize(image->columns, image->rows, side) : ThumbnailSize{0, 0};
}
