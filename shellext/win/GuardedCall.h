// Nothing may unwind into the host: every COM method runs its body through GuardedCall.
#pragma once

#include <windows.h>

#include <new>

template <typename Body> HRESULT GuardedCall(Body body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}
