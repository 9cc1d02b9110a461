#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/AnsiText.h"
#include "shellext/win/Module.h"
#include "shellext/win/PropertyPage.h"

CIBWExtractor::CIBWExtractor(IUnknown* outer) : m_outer(outer ? outer : &m_inner) {
    if (FAILED(SHGetMalloc(&m_shellAllocator))) {
        m_shellAllocator = nullptr;
    }
    ModuleLock();
}

CIBWExtractor::~CIBWExtractor() {
    if (m_shellAllocator) {
        m_shellAllocator->Release();
    }
    m_page.reset();
    m_note.reset();
    ModuleUnlock();
}

STDMETHODIMP CIBWExtractor::CInnerUnknown::QueryInterface(REFIID iid, void** out) {
    if (!out) {
        return E_POINTER;
    }
    CIBWExtractor* o = m_owner;
    if (IsEqualIID(iid, IID_IUnknown)) {
        *out = static_cast<IUnknown*>(this);
    } else if (IsEqualIID(iid, IID_IExtractImage)) {
        *out = static_cast<IExtractImage*>(o);
    } else if (IsEqualIID(iid, IID_IQueryInfo)) {
        *out = static_cast<IQueryInfo*>(o);
    } else if (IsEqualIID(iid, IID_IPersistFile)) {
        *out = static_cast<IPersistFile*>(o);
    } else if (IsEqualIID(iid, IID_IExtractIconA)) {
        *out = static_cast<IExtractIconA*>(o);
    } else if (IsEqualIID(iid, IID_IShellExtInit)) {
        *out = static_cast<IShellExtInit*>(o);
    } else if (IsEqualIID(iid, IID_IShellPropSheetExt)) {
        *out = static_cast<IShellPropSheetExt*>(o);
    } else if (IsEqualIID(iid, IID_IColumnProvider)) {
        *out = static_cast<IColumnProvider*>(o);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    static_cast<IUnknown*>(*out)->AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CIBWExtractor::CInnerUnknown::AddRef() {
    return ++m_owner->m_refs;
}

STDMETHODIMP_(ULONG) CIBWExtractor::CInnerUnknown::Release() {
    ULONG refs = --m_owner->m_refs;
    if (refs == 0) {
        delete m_owner;
    }
    return refs;
}

STDMETHODIMP CIBWExtractor::QueryInterface(REFIID iid, void** out) {
    return m_outer->QueryInterface(iid, out);
}

STDMETHODIMP_(ULONG) CIBWExtractor::AddRef() {
    return m_outer->AddRef();
}

STDMETHODIMP_(ULONG) CIBWExtractor::Release() {
    return m_outer->Release();
}

void CIBWExtractor::SetPaths(const wchar_t* path) {
    std::wstring_view wide = path ? std::wstring_view(path) : std::wstring_view();
    CopyCut(wide, m_path, MAX_PATH);
    std::string narrow = ToAnsi(m_path);
    CopyCut(std::string_view(narrow), m_pathA, MAX_PATH);
}

void CIBWExtractor::EnsureNote() {
    if (!m_note) {
        m_note = std::make_unique<CIBWNote>(ToAnsi(m_path), true);
    }
}

void CIBWExtractor::AttachPage(std::unique_ptr<PropertyPageState> page) {
    m_page = std::move(page);
}

void CIBWExtractor::DetachPage() {
    m_page.reset();
}
