#include "shellext/RenderLoadedPreview.h"

#include "shellext/RenderForcePlot.h"

#include <cstdint>

std::optional<PaletteBitmap> RenderLoadedPreview(const CIBWPreview& preview, ThumbnailSize size) {
    const auto& descriptor = preview.GetDescriptor();
    const int channel = preview.GetLoadedChannel();
    if (!descriptor || channel < 0) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(channel);
    if (descriptor->kind == kIBWPreviewImage && index < descriptor->imageChannels.size()) {
        const IBWImagePreview& record = descriptor->imageChannels[index];
        // The sizes are 16-bit numbers in the picture's own terms.
        return RenderPreviewImage(static_cast<std::int16_t>(record.width),
                                  static_cast<std::int16_t>(record.height), record.data, size);
    }
    if (descriptor->kind == kIBWPreviewForce && index < descriptor->forceChannels.size()) {
        return RenderForcePlot(descriptor->forceChannels[index], size);
    }
    return std::nullopt;
}
