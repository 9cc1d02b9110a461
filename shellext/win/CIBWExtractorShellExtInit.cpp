// IShellExtInit: the file list of the selection; only a single file is taken.
#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/ActivationContext.h"
#include "shellext/win/GuardedCall.h"

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

STDMETHODIMP CIBWExtractor::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY) {
    if (!data) {
        return E_INVALIDARG;
    }
    return GuardedCall([&]() -> HRESULT {
        {
            CActivationScope scope;
            InitCommonControls();
        }
        FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium{};
        if (FAILED(data->GetData(&format, &medium))) {
            return E_INVALIDARG;
        }
        HDROP drop = static_cast<HDROP>(GlobalLock(medium.hGlobal));
        if (drop) {
            if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 1) {
                UINT length = DragQueryFileW(drop, 0, nullptr, 0);
                std::vector<wchar_t> name(length + 1, L'\0');
                DragQueryFileW(drop, 0, name.data(), length + 1);
                SetPath(name.data());
                EnsureNote();
            }
            GlobalUnlock(medium.hGlobal);
        }
        ReleaseStgMedium(&medium);
        return S_OK;
    });
}
