// What the Windows shell shows for an .ibw or .qvdf file, as UTF-8 text for a terminal: the
// channels, the five detail-view columns, the info tip and the note items; for a wave the viewer
// cannot show, why, and for one it shows with less precision, what was lost.
#pragma once

#include <filesystem>
#include <string>

// False, with a reason in the report, when the file cannot be read as its kind.
bool InfoReport(const std::filesystem::path& path, std::string* report);
