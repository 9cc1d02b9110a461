#pragma once

#include "ibw/IBWStream.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The preview footer as written at the end of the file: its tag, its length field and its
// "key:value;" entries in file order. Only the tail is read; nothing is trusted beyond the file.
struct FooterEntries {
    std::string tag;                                          // "KTZ9W" or "Force"
    std::int64_t length = 0;                                  // the whole block: text, length field, tag
    std::vector<std::pair<std::string, std::string>> entries; // keys as written
};

// False when the file has no footer (no tag, or a length of 0 or past the start of the file).
bool ReadFooterEntries(IBWStream& stream, FooterEntries* footer);
