#pragma once

#include "tests/shellext_win/TestContext.h"

// Names outside the ANSI code page and Windows-1252 texts, under whatever code page the run has
// (the suite runs this program under 1252 and 932): every interface opens the file by its UTF-16
// name, not an ANSI copy that names its twin or nothing, and shows the micro sign as U+00B5.
void TestUnicode(const TestContext& context);
