// The descriptors of the two footer kinds, built from the footer text.
#pragma once

#include "shellext/IBWPreviewDescriptor.h"

#include <string_view>

// Each returns false, leaving *out empty, when the footer describes no usable channel. A count
// larger than the footer text is refused: every genuine channel takes at least one byte of it.
// At most kIBWPreviewMaxRecords records are made, whatever the count.
bool BuildImagePreviewDescriptor(std::string_view footerText, IBWPreviewDescriptor* out);
bool BuildForcePreviewDescriptor(std::string_view footerText, IBWPreviewDescriptor* out);
