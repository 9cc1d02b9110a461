#pragma once

#include "tests/shellext_win/TestContext.h"

#include <shlobj.h>

// IColumnProvider: the five column descriptions and every column's value per fixture.
void TestColumns(const TestContext& context);

// The column's text for the file, or none with *result S_FALSE.
std::wstring ItemData(IColumnProvider* provider, const std::wstring& path, const wchar_t* extension,
                      DWORD pid, HRESULT* result);
