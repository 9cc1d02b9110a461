#pragma once

#include "tests/shellext_win/TestContext.h"

// IColumnProvider: the five column descriptions and every column's value per fixture.
void TestColumns(const TestContext& context);
