#pragma once

#include "tests/shellext_win/TestContext.h"

// Files that once made calls unbounded: each call on them, in a process of its own, may grow the
// peak working set by less than 16 MB (measured and printed); the icon of a container of 65,536
// images is timed and printed.
void TestBounds(const TestContext& context);

// The measuring child: every shell call on the warm-up file, then on the file; its exit code is
// the peak working set after them less the working set before, in KB, 0xFFFFFFFF when a call
// failed outright.
int MeasureChild(const TestContext& context, const std::wstring& file, const std::wstring& warmUp);
