// The notes of a QVDF "TEXT" record: lines ended by carriage returns, each "key:value".
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

using QVDFNotes = std::vector<std::pair<std::string, std::string>>;

// Lines without ':' are skipped and text after the last carriage return is ignored; key and value
// keep their spaces. A null text gives no notes.
QVDFNotes ParseTextNotes(const char* text, std::size_t length);
