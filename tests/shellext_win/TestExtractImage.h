#pragma once

#include "tests/shellext_win/TestContext.h"

// IExtractImage: GetLocation's flags and the pixels of Extract against the portable core.
void TestExtractImage(const TestContext& context);
