// Whether a window system is there, and the Qt platform to start without one.
#pragma once

#include <string>

// True when the environment names an X or Wayland display. Without one, memory contexts draw
// through EGL's surfaceless platform and window contexts cannot be made.
bool HasWindowSystem();
// Call before the GUI application exists. A DISPLAY or WAYLAND_DISPLAY that names a display no
// one answers on (a closed ssh tunnel, a tmux session outliving its desktop) is removed from the
// environment, and Qt is told the platform of the one that answers (Wayland where it is the only
// one), so Qt starts there, or HasWindowSystem() turns false, instead of aborting in its platform
// plugin. Returns the removed ones for a message, e.g. "DISPLAY=:99",
// joined by ", "; empty when every named display answers.
std::string ForgetUnreachableDisplays();
// Call before the GUI application exists: without a display, and unless a platform was chosen
// already, the application starts on Qt's "offscreen" platform (no windows are shown).
void UseOffscreenPlatformWithoutDisplay();
// Call before the GUI application exists, in a program that shows no window: unless a platform
// was chosen already, and where EGL's surfaceless platform can draw, the displays named in the
// environment are removed and the application starts on Qt's "offscreen" platform, so no display
// server, gone, busy or refusing, can stop it. False when it changed nothing.
bool DrawWithoutAnyDisplay();
