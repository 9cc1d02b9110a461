#pragma once

#include <string>

// Reads every part of the wave file at path and describes it as one JSON document. Returns 0, or
// the reader's result code (its diagnostic line already written) when the file is refused.
int DumpWave(const std::string& path, std::string* json);
