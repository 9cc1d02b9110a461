#pragma once

#include "tests/shellext_win/TestContext.h"

// IShellExtInit: the file list of one file sets the path and the note; more files set nothing.
void TestShellExtInit(const TestContext& context);
