// The choice is read from the environment each time: tests run one binary with and without a
// display.
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
    return Named("DISPLAY") || Named("WAYLAND_DISPLAY");
}

void UseOffscreenPlatformWithoutDisplay() {
    if (!HasWindowSystem() && !Named("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
