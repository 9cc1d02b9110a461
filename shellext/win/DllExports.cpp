// The five entry points of the server.
#include "shellext/win/ActivationContext.h"
#include "shellext/win/CClassFactory.h"
#include "shellext/win/GuardedCall.h"
#include "shellext/win/Guids.h"
#include "shellext/win/Module.h"
#include "shellext/win/Registration.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        SetModuleInstance(instance);
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        ReleaseActivationContext();
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) {
        return E_POINTER;
    }
    *out = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_IBWExtractor)) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return GuardedCall([&] { return CClassFactory::Instance().QueryInterface(iid, out); });
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return ModuleLockCount() == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
    return GuardedCall([] { return RegisterServer(); });
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
    return GuardedCall([] { return UnregisterServer(); });
}
