// Platforms without EGL (Windows, macOS) always have their window system: no EGL context is
// ever made there.
#include "CEglGlContext.h"

CEglGlContext* CEglGlContext::Create() {
    return nullptr;
}

const void* CEglGlContext::CurrentShareGroup() {
    return nullptr;
}

void CEglGlContext::WhenShareGroupDies(const void*, std::function<void()>) {}
