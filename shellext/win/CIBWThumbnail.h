// The preview object of one IBW file: its preview footer, turned into Windows bitmaps and icons.
#pragma once

#include "shellext/CIBWPreview.h"
#include "shellext/RenderPreviewImage.h"

#include <windows.h>

#include <optional>
#include <string>

class CIBWThumbnail {
public:
    CIBWThumbnail() = default;
    explicit CIBWThumbnail(const std::wstring& path);
    virtual ~CIBWThumbnail() = default;

    void Open(const std::wstring& path);
    bool IsUsable() const; // a descriptor of kind 1 or 2

    // The channel's picture at the size (cx 0: the preview's own); none outside the descriptor.
    std::optional<PaletteBitmap> GetPixels(int channel, ThumbnailSize size);
    HBITMAP GetBitmap(int channel, ThumbnailSize size);
    HICON GetIcon(int channel, ThumbnailSize size);

    const CIBWPreview& Preview() const { return m_preview; }

private:
    std::wstring m_path;
    CIBWPreview m_preview;
};
