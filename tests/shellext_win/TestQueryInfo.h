#pragma once

#include "tests/shellext_win/TestContext.h"

#include <shlobj.h>

// IQueryInfo: the five-line tip through the shell allocator and its S_FALSE cases.
void TestQueryInfo(const TestContext& context);

// The tip for the loaded extractor; *result gets GetInfoTip's answer.
std::wstring InfoTip(IQueryInfo* info, HRESULT* result, bool* none);
