#pragma once

#include "tests/shellext_win/TestContext.h"

// IExtractIconA: the location flags, icons from the preview and the type's bundled icon.
void TestIcons(const TestContext& context);
