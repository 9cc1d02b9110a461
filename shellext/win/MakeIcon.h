// Turns a colour bitmap into an opaque icon with its hot spot in the middle.
#pragma once

#include <windows.h>

// Consumes the bitmap (deleted in every case); null in, null out.
HICON MakeIcon(HBITMAP bitmap);
