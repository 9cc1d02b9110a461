// IThumbnailProvider and its initialisation: the picture Windows Vista and later ask for, from a
// stream (so the shell may run the handler outside Explorer) or from a path. The same pixels as
// IExtractImage's at the size that fills the square with the preview's own shape, as a 32-bit
// bitmap without alpha.
#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/CreateArgbDib.h"
#include "shellext/win/GuardedCall.h"

#include "shellext/CIBWPreview.h"
#include "shellext/RenderFirstChannel.h"

#include <climits>

STDMETHODIMP CIBWExtractor::Initialize(IStream* stream, DWORD) {
    if (!stream) {
        return E_INVALIDARG;
    }
    if (m_initialized) {
        return HRESULT_FROM_WIN32(ERROR_ALREADY_INITIALIZED);
    }
    m_initialized = true;
    stream->AddRef();
    m_stream = stream;
    m_note.reset();
    m_properties.reset();
    return S_OK;
}

STDMETHODIMP CIBWExtractor::Initialize(LPCWSTR path, DWORD) {
    if (!path) {
        return E_INVALIDARG;
    }
    if (m_initialized) {
        return HRESULT_FROM_WIN32(ERROR_ALREADY_INITIALIZED);
    }
    return GuardedCall([&] {
        m_initialized = true;
        SetPath(path);
        return S_OK;
    });
}

STDMETHODIMP CIBWExtractor::GetThumbnail(UINT side, HBITMAP* bitmap, WTS_ALPHATYPE* alpha) {
    if (!bitmap) {
        return E_POINTER;
    }
    *bitmap = nullptr;
    if (alpha) {
        *alpha = WTSAT_UNKNOWN;
    }
    if (side == 0 || side > INT_MAX) {
        return E_INVALIDARG;
    }
    return GuardedCall([&]() -> HRESULT {
        CIBWPreview preview;
        preview.Load(OpenSource(), 0);
        const ThumbnailSize fitted = FitFirstChannel(preview, static_cast<std::int32_t>(side));
        HBITMAP picture = fitted.cx > 0 ? CreateArgbDib(RenderFirstChannel(preview, fitted)) : nullptr;
        // No picture is a failure here: S_OK without a bitmap would leave the shell with nothing.
        if (!picture) {
            return WTS_E_FAILEDEXTRACTION;
        }
        *bitmap = picture;
        if (alpha) {
            *alpha = WTSAT_RGB;
        }
        return S_OK;
    });
}
