// The "Quorvane" page of the Properties dialog: a preview of one channel, the channel list and
// the note items. Its state belongs to the CIBWExtractor that added the page.
#pragma once

#include "shellext/win/PropertyPageState.h"

#include <windows.h>

#include <prsht.h>

inline constexpr wchar_t kPagePropertyName[] = L"QuorvanePropStr";

INT_PTR CALLBACK PageDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
UINT CALLBACK PageCallback(HWND window, UINT message, LPPROPSHEETPAGEW page);
