// One "key:value;" entry of the preview footer text.
#pragma once

#include <cstddef>
#include <string_view>

// Reads the entry that starts at *pos and moves *pos past its ';' and every ';' right after it.
// Key and value are views into text. Spaces after the colon are skipped; an entry without a colon
// gives an empty key and value. Returns false, leaving everything untouched, when no ';' is left.
bool NextFooterEntry(std::string_view text, std::size_t* pos, std::string_view* key, std::string_view* value);
