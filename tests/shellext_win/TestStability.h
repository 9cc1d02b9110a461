#pragma once

#include "tests/shellext_win/TestContext.h"

// 2,000 calls of each interface leave no GDI object, handle or memory behind, and eight threads
// asking at once get the answers one thread gets.
void TestStability(const TestContext& context);
