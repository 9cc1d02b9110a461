#pragma once

#include "tests/shellext_win/TestContext.h"

// IExtractIconA: the location flags, icons from the preview and the type's default icon.
// Writes HKEY_CLASSES_ROOT\ibwfile\DefaultIcon first: the DLL reads it once.
void TestIcons(const TestContext& context);
