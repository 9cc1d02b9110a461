// IQueryInfo: the five-line info tip from the wave note and the preview's channel count.
#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/AnsiText.h"
#include "shellext/win/CIBWThumbnail.h"
#include "shellext/win/GuardedCall.h"

#include "shellext/InfoTipText.h"

#include <cstring>

STDMETHODIMP CIBWExtractor::GetInfoTip(DWORD, WCHAR** tip) {
    if (!tip) {
        return E_POINTER;
    }
    *tip = nullptr;
    return GuardedCall([&]() -> HRESULT {
        CIBWPreview preview;
        preview.Load(std::filesystem::path(m_path), 0);
        if (!preview.GetDescriptor()) {
            return S_FALSE;
        }
        EnsureNote();
        std::optional<std::string> text = MakeInfoTip(preview, m_note.get());
        if (!text) {
            return S_FALSE;
        }
        std::wstring wide = FromAnsi(*text);
        if (!m_shellAllocator) {
            return S_OK;
        }
        const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
        auto* copy = static_cast<WCHAR*>(m_shellAllocator->Alloc(bytes));
        if (copy) {
            std::memcpy(copy, wide.c_str(), bytes);
            *tip = copy;
        }
        return S_OK;
    });
}

STDMETHODIMP CIBWExtractor::GetInfoFlags(DWORD* flags) {
    if (flags) {
        *flags = 0;
    }
    return E_NOTIMPL;
}
