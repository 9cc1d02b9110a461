// The surface format of every render context, and the default format the program sets in main
// before any window exists.
#pragma once

#include <QSurfaceFormat>

// RGBA 8-8-8, depth 24, stencil 8, compatibility profile; double-buffered for windows.
QSurfaceFormat RenderSurfaceFormat(bool doubleBuffer);
