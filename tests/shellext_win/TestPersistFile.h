#pragma once

#include "tests/shellext_win/TestContext.h"

// IPersistFile: Load takes any name; the unused methods answer E_NOTIMPL without a window.
void TestPersistFile(const TestContext& context);
