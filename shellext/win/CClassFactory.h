// The class factory of CIBWExtractor. One instance lives for the life of the module; its own
// references do not hold the module, LockServer does.
#pragma once

#include <windows.h>

class CClassFactory : public IClassFactory {
public:
    CClassFactory() = default;
    virtual ~CClassFactory() = default;

    // The cached factory, made on first use.
    static CClassFactory& Instance();

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    LONG m_refs = 0;
};
