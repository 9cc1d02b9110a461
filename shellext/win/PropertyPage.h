// The "Quorvane" page of the Properties dialog: a preview of one channel, the channel list and
// the note items. Its state belongs to the CIBWExtractor that added the page.
#pragma once

#include "ibw/CIBWNote.h"

#include <windows.h>

#include <prsht.h>

#include <string>

inline constexpr wchar_t kPagePropertyName[] = L"QuorvanePropStr";

struct PropertyPageState {
    HBITMAP bitmap = nullptr;  // the preview shown; owned
    HWND window = nullptr;     // the page's dialog
    std::wstring path;         // copy of the extractor's path
    SIZE previewSize = {0, 0}; // client size of the preview control
    CIBWNote* note = nullptr;  // the extractor's note, not owned
};

INT_PTR CALLBACK PageDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
UINT CALLBACK PageCallback(HWND window, UINT message, LPPROPSHEETPAGEW page);
