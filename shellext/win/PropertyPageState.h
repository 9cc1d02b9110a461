// The state of one opened "Quorvane" page, held by the CIBWExtractor that added the page.
#pragma once

#include "ibw/CIBWNote.h"

#include <windows.h>

#include <string>

struct PropertyPageState {
    HBITMAP bitmap = nullptr;  // the preview shown; owned
    HWND window = nullptr;     // the page's dialog
    std::wstring path;         // copy of the extractor's path
    SIZE previewSize = {0, 0}; // client size of the preview control
    CIBWNote* note = nullptr;  // the extractor's note, not owned
};
