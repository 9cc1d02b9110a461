// Reading the page's controls back through their window messages, as UTF-16.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::vector<std::wstring> ComboTexts(HWND combo);
std::vector<std::wstring> ListColumnTitles(HWND list);
std::vector<int> ListColumnWidths(HWND list);
// Each row's first and second column.
std::vector<std::pair<std::wstring, std::wstring>> ListRows(HWND list);
// The child of the dialog whose text is text, or null.
HWND ChildWithText(HWND dialog, const wchar_t* text);
