// One GL context of a render context, whichever system made it: Qt's window-system contexts,
// or EGL's surfaceless platform when there is no display.
#pragma once

class CGlContext {
public:
    CGlContext() = default;
    CGlContext(const CGlContext&) = delete;
    CGlContext& operator=(const CGlContext&) = delete;
    virtual ~CGlContext() = default;

    // False when the context cannot be used any more (its system is gone or refused).
    virtual bool MakeCurrent() = 0;
    virtual void DoneCurrent() = 0;
    // Shows the back buffer of a window context; nothing for an off-screen one.
    virtual void SwapBuffers() = 0;
};
