// Decimal text of the preview footer as a number, read the way the instrument software reads it.
#pragma once

#include <cstdint>
#include <string_view>

// Leading white space and one sign are skipped, digits are read up to the first other character;
// text without digits gives 0. Values beyond 32 bits are clamped rather than wrapped.
std::int32_t FooterNumber(std::string_view text);
