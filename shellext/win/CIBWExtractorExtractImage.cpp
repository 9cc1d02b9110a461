// IExtractImage: the thumbnail of channel 0, from the preview footer or else from the wave's data,
// for shells before the thumbnail provider.
#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/CreatePaletteDib.h"
#include "shellext/win/GuardedCall.h"

#include "shellext/CIBWPreview.h"
#include "shellext/RenderFirstChannel.h"

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
        CIBWPreview preview;
        preview.Load(OpenSource(), 0);
        *bitmap = CreatePaletteDib(
            RenderFirstChannel(preview, ThumbnailSize{m_thumbnailSize.cx, m_thumbnailSize.cy}));
        return S_OK;
    });
}
