#include "shellext/win/CIBWThumbnail.h"

#include "shellext/RenderLoadedPreview.h"
#include "shellext/win/CreatePaletteDib.h"
#include "shellext/win/MakeIcon.h"

CIBWThumbnail::CIBWThumbnail(std::shared_ptr<CByteSource> source) {
    Open(std::move(source));
}

void CIBWThumbnail::Open(std::shared_ptr<CByteSource> source) {
    m_source = std::move(source);
    m_preview.Load(m_source, 0);
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
        m_preview.Load(m_source, channel);
    }
    // Load falls back to channel 0 for a channel outside the descriptor: that is no picture.
    if (!m_preview.GetDescriptor() || channel != m_preview.GetLoadedChannel()) {
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
