#include "shellext/win/ActivationContext.h"

#include "shellext/win/Module.h"
#include "shellext/win/ResourceIds.h"

namespace {

using CreateActCtxFn = HANDLE(WINAPI*)(PCACTCTXW);
using ActivateActCtxFn = BOOL(WINAPI*)(HANDLE, ULONG_PTR*);
using DeactivateActCtxFn = BOOL(WINAPI*)(DWORD, ULONG_PTR);
using ReleaseActCtxFn = void(WINAPI*)(HANDLE);

struct ActivationApi {
    CreateActCtxFn create = nullptr;
    ActivateActCtxFn activate = nullptr;
    DeactivateActCtxFn deactivate = nullptr;
    ReleaseActCtxFn release = nullptr;
};

template <typename Fn> Fn Lookup(HMODULE kernel, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(kernel, name)));
}

const ActivationApi& Api() {
    static const ActivationApi api = [] {
        ActivationApi found;
        HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
        if (kernel) {
            found.create = Lookup<CreateActCtxFn>(kernel, "CreateActCtxW");
            found.activate = Lookup<ActivateActCtxFn>(kernel, "ActivateActCtx");
            found.deactivate = Lookup<DeactivateActCtxFn>(kernel, "DeactivateActCtx");
            found.release = Lookup<ReleaseActCtxFn>(kernel, "ReleaseActCtx");
        }
        if (!found.create || !found.activate || !found.deactivate || !found.release) {
            found = ActivationApi{};
        }
        return found;
    }();
    return api;
}

HANDLE g_context = INVALID_HANDLE_VALUE;

// Made once, also when several of the shell's threads ask at the same time (the local static's
// initialisation is guarded).
HANDLE Context() {
    static const HANDLE context = [] {
        if (!Api().create) {
            return INVALID_HANDLE_VALUE;
        }
        ACTCTXW description{};
        description.cbSize = sizeof(description);
        description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        description.hModule = ModuleInstance();
        description.lpResourceName = MAKEINTRESOURCEW(IDR_MANIFEST);
        g_context = Api().create(&description);
        return g_context;
    }();
    return context;
}

} // namespace

CActivationScope::CActivationScope() {
    HANDLE context = Context();
    if (context != INVALID_HANDLE_VALUE) {
        m_active = Api().activate(context, &m_cookie) != FALSE;
    }
}

CActivationScope::~CActivationScope() {
    if (m_active) {
        Api().deactivate(0, m_cookie);
    }
}

void ReleaseActivationContext() {
    if (g_context != INVALID_HANDLE_VALUE) {
        Api().release(g_context);
        g_context = INVALID_HANDLE_VALUE;
    }
}
