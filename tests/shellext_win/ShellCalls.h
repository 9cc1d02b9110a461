// Each of the shell's questions about one file, as Explorer asks them, with everything it hands
// out given back: for the stability runs, the threads and the memory measurements.
#pragma once

#include "tests/shellext_win/TestContext.h"

#include <string>
#include <vector>

enum class ShellCall { InfoTip, Columns, Properties, Thumbnail, ExtractImage, Icons };
inline constexpr ShellCall kEveryShellCall[] = {ShellCall::InfoTip,      ShellCall::Columns,
                                                ShellCall::Properties,   ShellCall::Thumbnail,
                                                ShellCall::ExtractImage, ShellCall::Icons};

const char* ShellCallName(ShellCall call);

// What the call answered, as text to compare between runs; empty when it failed outright.
std::string MakeShellCall(const TestContext& context, ShellCall call, const std::wstring& path);
