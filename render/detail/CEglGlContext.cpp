// Contexts on the surfaceless display; the share group of an unshared context is itself.
#define EGL_NO_X11
#include "CEglGlContext.h"

#include "CEglDisplay.h"

#include <EGL/egl.h>

#include <map>

namespace {

// The context this thread made current last, checked against EGL's own record before use.
const CEglGlContext* current = nullptr;

std::map<const void*, std::function<void()>>& Forgetters() {
    static auto* forgetters = new std::map<const void*, std::function<void()>>;
    return *forgetters;
}

} // namespace

CEglGlContext* CEglGlContext::Create() {
    bool shared = false;
    void* context = CEglDisplay::Instance().CreateContext(&shared);
    return context == nullptr ? nullptr : new CEglGlContext(context, shared);
}

CEglGlContext::CEglGlContext(void* made, bool shared)
    : context(made), shareGroup(shared ? CEglDisplay::Instance().Master() : made) {}

CEglGlContext::~CEglGlContext() {
    const CEglDisplay& egl = CEglDisplay::Instance();
    if (!egl.IsUsable())
        return;
    if (current == this)
        current = nullptr;
    if (eglGetCurrentContext() == context)
        eglMakeCurrent(egl.Display(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(egl.Display(), context);
    if (shareGroup == context) {
        auto found = Forgetters().find(shareGroup);
        if (found != Forgetters().end()) {
            const std::function<void()> forget = std::move(found->second);
            Forgetters().erase(found);
            forget();
        }
    }
}

bool CEglGlContext::MakeCurrent() {
    const CEglDisplay& egl = CEglDisplay::Instance();
    if (!egl.IsUsable() || eglMakeCurrent(egl.Display(), EGL_NO_SURFACE, EGL_NO_SURFACE, context) != EGL_TRUE)
        return false;
    current = this;
    return true;
}

void CEglGlContext::DoneCurrent() {
    const CEglDisplay& egl = CEglDisplay::Instance();
    if (current == this)
        current = nullptr;
    if (egl.IsUsable() && eglGetCurrentContext() == context)
        eglMakeCurrent(egl.Display(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
}

const void* CEglGlContext::CurrentShareGroup() {
    if (current == nullptr || !CEglDisplay::Instance().IsUsable() ||
        eglGetCurrentContext() != current->context)
        return nullptr;
    return current->shareGroup;
}

void CEglGlContext::WhenShareGroupDies(const void* group, std::function<void()> forget) {
    if (group != CEglDisplay::Instance().Master())
        Forgetters()[group] = std::move(forget);
}
