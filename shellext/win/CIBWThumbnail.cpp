#include "shellext/win/CIBWThumbnail.h"

#include "shellext/RenderForcePlot.h"
#include "shellext/win/CreatePaletteDib.h"
#include "shellext/win/MakeIcon.h"

#include <cstdint>
#include <filesystem>

CIBWThumbnail::CIBWThumbnail(const std::wstring& path) {
    Open(path);
}

void CIBWThumbnail::Open(const std::wstring& path) {
    m_path = path.substr(0, MAX_PATH - 1);
    m_preview.Load(std::filesystem::path(m_path), 0);
}

bool CIBWThumbnail::IsUsable() const {
    int kind = m_preview.GetKind();
    return kind == kIBWPreviewImage || kind == kIBWPreviewForce;
}

std::optional<PaletteBitmap> CIBWThumbnail::GetPixels(int channel, ThumbnailSize size) {
    if (channel < 0) {
        return std::nullopt;
    }
    if (channel != m_preview.GetLoadedChannel()) {
        m_preview.Load(std::filesystem::path(m_path), channel);
    }
    const auto& descriptor = m_preview.GetDescriptor();
    // Load falls back to channel 0 for a channel outside the descriptor: that is no picture.
    if (!descriptor || channel >= descriptor->count || channel != m_preview.GetLoadedChannel()) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(channel);
    if (descriptor->kind == kIBWPreviewImage && index < descriptor->imageChannels.size()) {
        const IBWImagePreview& record = descriptor->imageChannels[index];
        return RenderPreviewImage(static_cast<std::int16_t>(record.width),
                                  static_cast<std::int16_t>(record.height), record.data, size);
    }
    if (descriptor->kind == kIBWPreviewForce && index < descriptor->forceChannels.size()) {
        return RenderForcePlot(descriptor->forceChannels[index], size);
    }
    return std::nullopt;
}

HBITMAP CIBWThumbnail::GetBitmap(int channel, ThumbnailSize size) {
    return CreatePaletteDib(GetPixels(channel, size));
}

HICON CIBWThumbnail::GetIcon(int channel, ThumbnailSize size) {
    return MakeIcon(GetBitmap(channel, size));
}
