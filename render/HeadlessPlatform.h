// Whether a window system is there, and the Qt platform to start without one.
#pragma once

// True when the environment names an X or Wayland display. Without one, memory contexts draw
// through EGL's surfaceless platform and window contexts cannot be made.
bool HasWindowSystem();
// Call before the GUI application exists: without a display, and unless a platform was chosen
// already, the application starts on Qt's "offscreen" platform (no windows are shown).
void UseOffscreenPlatformWithoutDisplay();
