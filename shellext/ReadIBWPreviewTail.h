// The 11-byte tail of an IBW file that locates its preview footer.
#pragma once

#include "shellext/CByteSource.h"

#include <string>

// Returns the footer's kind (1 image, 2 force curve) and its text, up to the first zero byte,
// without the length field and the tag; 0 when the file has no footer. The six-digit length
// field keeps the text below 1 MB.
int ReadIBWPreviewTail(CByteSource& file, std::string* footerText);
