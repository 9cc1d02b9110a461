// Font-file lookup: resolves the two face names the viewer draws with ("Arial", "Courier New") to
// installed font files through fontconfig. Each face has a fixed list of acceptable families: the
// face itself, its metric-compatible substitute, then DejaVu as the last resort, so the file
// chosen never depends on whatever fontconfig would pick for an unknown family.
#pragma once

#include <string>
#include <vector>

struct FontFile {
    std::string path;   // the font file
    std::string family; // the family that matched, e.g. "Liberation Sans"
};

// The families tried for a face name, in order (compared case-insensitively with the name).
std::vector<std::string> FontFamilyCandidates(const std::string& faceName);

// Looks the face up in the system's font configuration; false when no candidate is installed.
bool FontLookup(const std::string& faceName, FontFile* out);
// The same, restricted to the fonts in the given folders (no system configuration).
bool FontLookupInDirs(const std::string& faceName, const std::vector<std::string>& dirs, FontFile* out);
