#pragma once

#include "tests/shellext_win/TestContext.h"

// IShellPropSheetExt and the "Quorvane" page: created in a hidden property sheet, its controls
// read back, a channel switched, and the extractor's reference given back when the sheet goes.
void TestPropertyPage(const TestContext& context);
