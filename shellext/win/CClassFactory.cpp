#include "shellext/win/CClassFactory.h"

#include "shellext/win/CIBWExtractor.h"
#include "shellext/win/GuardedCall.h"
#include "shellext/win/Module.h"

CClassFactory& CClassFactory::Instance() {
    static CClassFactory factory;
    return factory;
}

STDMETHODIMP CClassFactory::QueryInterface(REFIID iid, void** out) {
    if (!out) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CClassFactory::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&m_refs)) + 1;
}

STDMETHODIMP_(ULONG) CClassFactory::Release() {
    return static_cast<ULONG>(InterlockedDecrement(&m_refs)) + 1;
}

STDMETHODIMP CClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (!out) {
        return E_POINTER;
    }
    *out = nullptr;
    // An aggregate may only ask for the inner unknown.
    if (outer && !IsEqualIID(iid, IID_IUnknown)) {
        return CLASS_E_NOAGGREGATION;
    }
    return GuardedCall([&]() -> HRESULT {
        CIBWExtractor* object = new (std::nothrow) CIBWExtractor(outer);
        if (!object) {
            return E_OUTOFMEMORY;
        }
        IUnknown* inner = object->Inner();
        inner->AddRef();
        HRESULT hr = inner->QueryInterface(iid, out);
        inner->Release();
        return hr;
    });
}

STDMETHODIMP CClassFactory::LockServer(BOOL lock) {
    if (lock) {
        ModuleLock();
    } else {
        ModuleUnlock();
    }
    return S_OK;
}
