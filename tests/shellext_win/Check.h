// One line per check on standard output; the program's exit code is the failure count's sign.
#pragma once

#include <string>

void Check(bool ok, const std::string& what);
int FailureCount();
