// The 11-byte tail of an IBW file that locates its preview footer.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

// Returns the footer's kind (1 image, 2 force curve) and its text, up to the first zero byte,
// without the length field and the tag; 0 when the file has no footer. fileSize is the size
// of the stream, whose read position is left anywhere.
int ReadIBWPreviewTail(std::istream& file, std::uint64_t fileSize, std::string* footerText);
