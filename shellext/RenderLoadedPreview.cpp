#include "shellext/RenderLoadedPreview.h"

#include "shellext/ReadZeroFilled.h"
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
        const std::int32_t width = static_cast<std::int16_t>(record.width);
        const std::int32_t height = static_cast<std::int16_t>(record.height);
        CByteSource* source = preview.Source();
        if (!record.dataInSource || !source) {
            return RenderPreviewImage(width, height, record.data, size);
        }
        // Too large to hold: the rows the picture shows are read where they lie, as the held data
        // would be, zero past the end of the file.
        if (width <= 0 || height <= 0 || record.dataLength / width < height) {
            return std::nullopt;
        }
        const auto start = static_cast<std::uint64_t>(record.fileStart);
        return RenderPreviewRows(
            width, height,
            [&](std::int32_t row, std::int8_t* values) {
                ReadZeroFilled(*source,
                               start + static_cast<std::uint64_t>(row) * static_cast<std::uint64_t>(width),
                               static_cast<std::size_t>(width), values);
            },
            size);
    }
    if (descriptor->kind == kIBWPreviewForce && index < descriptor->forceChannels.size()) {
        return RenderForcePlot(descriptor->forceChannels[index], size);
    }
    return std::nullopt;
}

ThumbnailSize FitLoadedPreview(const CIBWPreview& preview, std::int32_t side) {
    const auto& descriptor = preview.GetDescriptor();
    const int channel = preview.GetLoadedChannel();
    if (!descriptor || channel < 0) {
        return {0, 0};
    }
    const auto index = static_cast<std::size_t>(channel);
    if (descriptor->kind == kIBWPreviewImage && index < descriptor->imageChannels.size()) {
        const IBWImagePreview& record = descriptor->imageChannels[index];
        return FittedSize(static_cast<std::int16_t>(record.width), static_cast<std::int16_t>(record.height),
                          side);
    }
    if (descriptor->kind == kIBWPreviewForce && index < descriptor->forceChannels.size() && side > 0) {
        return {side, side};
    }
    return {0, 0};
}
