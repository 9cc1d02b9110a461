#pragma once

#include "tests/shellext_win/TestContext.h"

// IThumbnailProvider through IInitializeWithStream and IInitializeWithFile: 32-bit pixels equal to
// IExtractImage's at the fitted size, a failure where there is no picture, one initialisation.
void TestThumbnailProvider(const TestContext& context);
