#pragma once

#include "tests/shellext_win/TestContext.h"

// The class factory, the interface map, aggregation and the module's unload answer.
void TestServer(const TestContext& context);
