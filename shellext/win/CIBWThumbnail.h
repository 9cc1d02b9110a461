// The preview object of one IBW file: its preview footer, turned into Windows bitmaps and icons.
#pragma once

#include "shellext/CByteSource.h"
#include "shellext/CIBWPreview.h"
#include "shellext/RenderPreviewImage.h"

#include <windows.h>

#include <memory>
#include <optional>

class CIBWThumbnail {
public:
    CIBWThumbnail() = default;
    explicit CIBWThumbnail(std::shared_ptr<CByteSource> source);
    virtual ~CIBWThumbnail() = default;

    // Loads channel 0 of the file's preview; a null source has none.
    void Open(std::shared_ptr<CByteSource> source);
    bool IsUsable() const; // a descriptor of kind 1 or 2

    // The channel's picture at the size (cx 0: the preview's own); none outside the descriptor.
    std::optional<PaletteBitmap> GetPixels(int channel, ThumbnailSize size);
    HBITMAP GetBitmap(int channel, ThumbnailSize size);
    HICON GetIcon(int channel, ThumbnailSize size);

    const CIBWPreview& Preview() const { return m_preview; }

private:
    std::shared_ptr<CByteSource> m_source;
    CIBWPreview m_preview;
};
