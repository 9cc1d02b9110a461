// The icons of the two file types, bundled in the module as icon resources and registered as the
// types' DefaultIcon: what a file without a preview shows.
#pragma once

#include <windows.h>

// A new icon of the kind's type (a QVDF file's, else an IBW file's) at side x side pixels, the
// closest size of the resource scaled; null only when the system cannot make one.
HICON LoadDefaultIcon(int fileKind, int side);
