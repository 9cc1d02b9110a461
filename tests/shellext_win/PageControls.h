// Reading the page's controls back through their window messages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::vector<std::string> ComboTexts(HWND combo);
std::vector<std::string> ListColumnTitles(HWND list);
std::vector<int> ListColumnWidths(HWND list);
// Each row's first and second column.
std::vector<std::pair<std::string, std::string>> ListRows(HWND list);
// The child of the dialog whose text is text, or null.
HWND ChildWithText(HWND dialog, const char* text);
