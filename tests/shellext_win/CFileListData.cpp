#include "tests/shellext_win/CFileListData.h"

#include <shlobj.h>

#include <cstring>

STDMETHODIMP CFileListData::QueryInterface(REFIID iid, void** out) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
        *out = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CFileListData::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!format || !medium || format->cfFormat != CF_HDROP || !(format->tymed & TYMED_HGLOBAL) ||
        m_files.empty()) {
        return DV_E_FORMATETC;
    }
    // DROPFILES, then the wide names, each ended by a zero, and one more zero.
    std::wstring names;
    for (const std::wstring& file : m_files) {
        names += file;
        names += L'\0';
    }
    names += L'\0';
    const std::size_t bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    if (!memory) {
        return E_OUTOFMEMORY;
    }
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<BYTE*>(drop) + sizeof(DROPFILES), names.data(),
                names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}
