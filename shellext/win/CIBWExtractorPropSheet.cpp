// IShellPropSheetExt: adds the "Quorvane" page to the file's Properties dialog. The page is made
// Unicode, so its lists show every name and note text as it is.
#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/ActivationContext.h"
#include "shellext/win/GuardedCall.h"
#include "shellext/win/Module.h"
#include "shellext/win/PropertyPage.h"
#include "shellext/win/ResourceIds.h"

#include <commctrl.h>

// The common-controls 6 page description: 52 bytes for x86 Explorer, 96 for x64.
static_assert(sizeof(PROPSHEETPAGEW_V3) == (sizeof(void*) == 8 ? 96 : 52));

STDMETHODIMP CIBWExtractor::AddPages(LPFNSVADDPROPSHEETPAGE addPage, LPARAM parameter) {
    if (!addPage) {
        return E_INVALIDARG;
    }
    return GuardedCall([&]() -> HRESULT {
        PROPSHEETPAGEW_V3 page{};
        page.dwSize = sizeof(page);
        page.dwFlags = PSP_USETITLE | PSP_USECALLBACK;
        page.hInstance = ModuleInstance();
        page.pszTemplate = MAKEINTRESOURCEW(IDD_PROPPAGE);
        page.pszTitle = L"Quorvane";
        page.pfnDlgProc = PageDialogProc;
        page.lParam = reinterpret_cast<LPARAM>(this);
        page.pfnCallback = PageCallback;
        HPROPSHEETPAGE handle = nullptr;
        {
            CActivationScope scope;
            handle = CreatePropertySheetPageW(reinterpret_cast<LPCPROPSHEETPAGEW>(&page));
        }
        if (!handle) {
            return E_OUTOFMEMORY;
        }
        // The page's release callback gives this reference back, also when a refused page is
        // destroyed here; taking it only after acceptance would release the object once too often.
        AddRef();
        if (!addPage(handle, parameter)) {
            CActivationScope scope;
            DestroyPropertySheetPage(handle);
        }
        return S_OK;
    });
}

STDMETHODIMP CIBWExtractor::ReplacePage(EXPPS, LPFNSVADDPROPSHEETPAGE, LPARAM) {
    return E_NOTIMPL;
}
