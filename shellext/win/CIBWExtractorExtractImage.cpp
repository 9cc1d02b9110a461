// IExtractImage: the thumbnail of channel 0 from the preview footer, for shells before the
// thumbnail provider.
#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/CIBWThumbnail.h"
#include "shellext/win/GuardedCall.h"

STDMETHODIMP CIBWExtractor::GetLocation(LPWSTR, DWORD, DWORD*, const SIZE* size, DWORD, DWORD* flags) {
    return GuardedCall([&] {
        DWORD given = flags ? *flags : 0;
        if (size && (given & IEIFLAG_ORIGSIZE)) {
            m_thumbnailSize = *size;
        } else {
            m_thumbnailSize = SIZE{0, 0};
        }
        return (given & IEIFLAG_ASYNC) ? E_PENDING : S_OK;
    });
}

STDMETHODIMP CIBWExtractor::Extract(HBITMAP* bitmap) {
    if (!bitmap) {
        return E_POINTER;
    }
    *bitmap = nullptr;
    return GuardedCall([&] {
        CIBWThumbnail thumbnail(OpenSource());
        *bitmap = thumbnail.GetBitmap(0, ThumbnailSize{m_thumbnailSize.cx, m_thumbnailSize.cy});
        return S_OK;
    });
}
