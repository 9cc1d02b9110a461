// The common controls are called under an activation context made from the module's manifest
// (resource 2), so they bind to version 6 even inside a host that did not ask for it. The
// context is made once; without the activation functions the calls run without one.
#pragma once

#include <windows.h>

class CActivationScope {
public:
    CActivationScope();
    virtual ~CActivationScope();
    CActivationScope(const CActivationScope&) = delete;
    CActivationScope& operator=(const CActivationScope&) = delete;

private:
    ULONG_PTR m_cookie = 0;
    bool m_active = false;
};

// At module detach.
void ReleaseActivationContext();
