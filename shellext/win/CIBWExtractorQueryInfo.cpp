// IQueryInfo: the five-line info tip from the wave note and the preview's channel count.
#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/GuardedCall.h"
#include "shellext/win/Utf16From1252.h"

#include "shellext/CIBWPreview.h"
#include "shellext/InfoTipText.h"

#include <cstring>

STDMETHODIMP CIBWExtractor::GetInfoTip(DWORD, WCHAR** tip) {
    if (!tip) {
        return E_POINTER;
    }
    *tip = nullptr;
    return GuardedCall([&]() -> HRESULT {
        // The tail and the footer give the count; no channel's data is read.
        CIBWPreview footer;
        footer.LoadFooter(OpenSource());
        if (!footer.GetDescriptor()) {
            return S_FALSE;
        }
        EnsureNote();
        std::optional<std::string> text = MakeInfoTip(footer, m_note.get());
        if (!text) {
            return S_FALSE;
        }
        std::wstring wide = Utf16From1252(*text);
        const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
        auto* copy = m_shellAllocator ? static_cast<WCHAR*>(m_shellAllocator->Alloc(bytes)) : nullptr;
        if (!copy) {
            return E_OUTOFMEMORY;
        }
        std::memcpy(copy, wide.c_str(), bytes);
        *tip = copy;
        return S_OK;
    });
}

STDMETHODIMP CIBWExtractor::GetInfoFlags(DWORD* flags) {
    if (flags) {
        *flags = 0;
    }
    return E_NOTIMPL;
}
