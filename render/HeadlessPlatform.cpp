// X and Wayland are named in the environment, read each time: tests run one binary with and
// without a display. Windows and macOS always have their window system.
#include "render/HeadlessPlatform.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdlib>

namespace {

bool Named(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

} // namespace

bool HasWindowSystem() {
#if defined(_WIN32) || defined(__APPLE__)
    return true;
#else
    return Named("DISPLAY") || Named("WAYLAND_DISPLAY");
#endif
}

void UseOffscreenPlatformWithoutDisplay() {
    if (!HasWindowSystem() && !Named("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
