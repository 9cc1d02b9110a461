#include "shellext/win/CIBWExtractor.h"

#include "shellext/win/CStreamByteSource.h"
#include "shellext/win/Module.h"
#include "shellext/win/PropertyPageState.h"

#include "shellext/CFileByteSource.h"
#include "shellext/LoadShellNote.h"

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
    if (m_stream) {
        m_stream->Release();
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
    } else if (IsEqualIID(iid, __uuidof(IThumbnailProvider))) {
        *out = static_cast<IThumbnailProvider*>(o);
    } else if (IsEqualIID(iid, IID_IInitializeWithStream)) {
        *out = static_cast<IInitializeWithStream*>(o);
    } else if (IsEqualIID(iid, IID_IInitializeWithFile)) {
        *out = static_cast<IInitializeWithFile*>(o);
    } else if (IsEqualIID(iid, IID_IPropertyStore)) {
        *out = static_cast<IPropertyStore*>(o);
    } else if (IsEqualIID(iid, IID_IPropertyStoreCapabilities)) {
        *out = static_cast<IPropertyStoreCapabilities*>(o);
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

void CIBWExtractor::SetPath(const wchar_t* path) {
    m_path = path ? path : L"";
    m_note.reset();
    m_properties.reset();
}

std::shared_ptr<CByteSource> CIBWExtractor::OpenSource() const {
    if (m_stream) {
        return std::make_shared<CStreamByteSource>(m_stream);
    }
    if (m_path.empty()) {
        return nullptr;
    }
    auto file = std::make_shared<CFileByteSource>(std::filesystem::path(m_path));
    if (!file->IsOpen()) {
        return nullptr;
    }
    return file;
}

void CIBWExtractor::EnsureNote() {
    if (!m_note) {
        std::shared_ptr<CByteSource> source = OpenSource();
        m_note = std::make_unique<CIBWNote>(source ? LoadShellNote(*source, true) : CIBWNote());
    }
}

void CIBWExtractor::AttachPage(std::unique_ptr<PropertyPageState> page) {
    m_page = std::move(page);
}

void CIBWExtractor::DetachPage() {
    m_page.reset();
}
