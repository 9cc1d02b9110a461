#include "shellext/win/CIBWThumbnail.h"

#include "shellext/RenderLoadedPreview.h"
#include "shellext/win/CreatePaletteDib.h"
#include "shellext/win/MakeIcon.h"

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
    return RenderLoadedPreview(m_preview, size);
}

HBITMAP CIBWThumbnail::GetBitmap(int channel, ThumbnailSize size) {
    return CreatePaletteDib(GetPixels(channel, size));
}

HICON CIBWThumbnail::GetIcon(int channel, ThumbnailSize size) {
    return MakeIcon(GetBitmap(channel, size));
}
