// A GL context on the surfaceless EGL display: no surface at all, a memory context draws into
// its framebuffer object.
#pragma once

#include "CGlContext.h"

#include <functional>

class CEglGlContext : public CGlContext {
public:
    // Null when EGL cannot give a context.
    static CEglGlContext* Create();
    ~CEglGlContext() override;

    bool MakeCurrent() override;
    void DoneCurrent() override;
    void SwapBuffers() override {}

    // The share group of the EGL context current on this thread (the master context, or a
    // context of its own when sharing was refused); null when none is current.
    static const void* CurrentShareGroup();
    // Runs `forget` when `group` goes away; the master's group lives until exit.
    static void WhenShareGroupDies(const void* group, std::function<void()> forget);

private:
    CEglGlContext(void* context, bool shared);

    void* context;
    const void* shareGroup;
};
