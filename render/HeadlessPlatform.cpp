// X and Wayland are named in the environment, read each time: tests run one binary with and
// without a display. Windows and macOS always have their window system.
#include "render/HeadlessPlatform.h"

#include "CEglDisplay.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdlib>

#if !defined(_WIN32) && !defined(__APPLE__)
#include <wayland-client-core.h>
#include <xcb/xcb.h>
#endif

namespace {

bool Named(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

#if !defined(_WIN32) && !defined(__APPLE__)
// Connecting is the only sure test: a socket file may outlive its server, and the server may
// refuse the client's authorisation.
bool XAnswers() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

bool WaylandAnswers() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr)
        return false;
    wl_display_disconnect(display);
    return true;
}

// Forgets `variable` when it names a display that does not answer.
void Forget(const char* variable, bool (*answers)(), std::string& forgotten) {
    if (!Named(variable) || answers())
        return;
    if (!forgotten.empty())
        forgotten += ", ";
    forgotten += std::string(variable) + '=' + std::getenv(variable);
    qunsetenv(variable);
}
#endif

} // namespace

bool HasWindowSystem() {
#if defined(_WIN32) || defined(__APPLE__)
    return true;
#else
    return Named("DISPLAY") || Named("WAYLAND_DISPLAY");
#endif
}

std::string ForgetUnreachableDisplays() {
    std::string forgotten;
#if !defined(_WIN32) && !defined(__APPLE__)
    Forget("WAYLAND_DISPLAY", WaylandAnswers, forgotten);
    Forget("DISPLAY", XAnswers, forgotten);
    // Qt keeps to the session type, or to X where it ignores that type, and aborts when the
    // display it picked is missing: name the platform of the one that answers.
    if (!Named("QT_QPA_PLATFORM")) {
        if (!Named("DISPLAY") && Named("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "wayland");
        else if (Named("DISPLAY") && !forgotten.empty())
            qputenv("QT_QPA_PLATFORM", "xcb");
    }
#endif
    return forgotten;
}

void UseOffscreenPlatformWithoutDisplay() {
    if (!HasWindowSystem() && !Named("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

bool DrawWithoutAnyDisplay() {
#if defined(_WIN32) || defined(__APPLE__)
    return false;
#else
    if (Named("QT_QPA_PLATFORM") || !CEglDisplay::Instance().IsUsable())
        return false;
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("DISPLAY");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
#endif
}
