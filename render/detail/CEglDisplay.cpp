// EGL without X: the surfaceless platform renders into framebuffer objects only, so the
// configuration asks for pbuffer support (any surface type must be named) and no window.
#define EGL_NO_X11
#include "CEglDisplay.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstdlib>

namespace {

const EGLint kConfigAttributes[] = {EGL_SURFACE_TYPE,
                                    EGL_PBUFFER_BIT,
                                    EGL_RENDERABLE_TYPE,
                                    EGL_OPENGL_BIT,
                                    EGL_RED_SIZE,
                                    8,
                                    EGL_GREEN_SIZE,
                                    8,
                                    EGL_BLUE_SIZE,
                                    8,
                                    EGL_DEPTH_SIZE,
                                    24,
                                    EGL_STENCIL_SIZE,
                                    8,
                                    EGL_NONE};

// Fixed-function drawing needs the compatibility profile.
const EGLint kContextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                     EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};

} // namespace

CEglDisplay& CEglDisplay::Instance() {
    static CEglDisplay* instance = new CEglDisplay;
    return *instance;
}

CEglDisplay::CEglDisplay() {
    EGLDisplay dpy = eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    EGLint major = 0;
    EGLint minor = 0;
    if (dpy == EGL_NO_DISPLAY || eglInitialize(dpy, &major, &minor) != EGL_TRUE)
        return;
    EGLConfig chosen = nullptr;
    EGLint count = 0;
    if (eglBindAPI(EGL_OPENGL_API) != EGL_TRUE ||
        eglChooseConfig(dpy, kConfigAttributes, &chosen, 1, &count) != EGL_TRUE || count < 1) {
        eglTerminate(dpy);
        return;
    }
    display = dpy;
    config = chosen;
    master = eglCreateContext(dpy, chosen, EGL_NO_CONTEXT, kContextAttributes);
    if (master == EGL_NO_CONTEXT) {
        eglTerminate(dpy);
        display = nullptr;
        master = nullptr;
        return;
    }
    usable = true;
    // Registered after EGL's own set-up, so it runs before the exit hooks EGL installed and
    // before the render registry deletes the objects the program left.
    std::atexit(&ShutDown);
}

void* CEglDisplay::CreateContext(bool* shared) const {
    if (!usable)
        return nullptr;
    EGLContext context = eglCreateContext(display, config, master, kContextAttributes);
    *shared = context != EGL_NO_CONTEXT;
    if (context == EGL_NO_CONTEXT)
        context = eglCreateContext(display, config, EGL_NO_CONTEXT, kContextAttributes);
    return context == EGL_NO_CONTEXT ? nullptr : context;
}

void CEglDisplay::ShutDown() {
    CEglDisplay& self = Instance();
    self.usable = false;
    eglMakeCurrent(self.display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglTerminate(self.display);
}
