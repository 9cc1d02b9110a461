#pragma once

#include "tests/shellext_win/TestContext.h"

// IPropertyStore and IPropertyStoreCapabilities through a stream and a path: the five values with
// their types, what a file does not carry left empty, nothing writable.
void TestPropertyStore(const TestContext& context);
