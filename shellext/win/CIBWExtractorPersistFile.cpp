// IPersistFile: only Load is used. The other methods return E_NOTIMPL quietly: a message box from
// inside the shell, possibly on a background thumbnail thread, would block it.
#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/GuardedCall.h"

STDMETHODIMP CIBWExtractor::GetClassID(CLSID*) {
    return E_NOTIMPL;
}

STDMETHODIMP CIBWExtractor::IsDirty() {
    return E_NOTIMPL;
}

STDMETHODIMP CIBWExtractor::Load(LPCOLESTR fileName, DWORD) {
    return GuardedCall([&] {
        // The previous file's note and values go with it.
        SetPath(fileName);
        return S_OK;
    });
}

STDMETHODIMP CIBWExtractor::Save(LPCOLESTR, BOOL) {
    return E_NOTIMPL;
}

STDMETHODIMP CIBWExtractor::SaveCompleted(LPCOLESTR) {
    return E_NOTIMPL;
}

STDMETHODIMP CIBWExtractor::GetCurFile(LPOLESTR* fileName) {
    if (fileName) {
        *fileName = nullptr;
    }
    return E_NOTIMPL;
}
