// How much of a note text the shell extension reads: instruments write a few kilobytes, and the
// info tip, the columns and the page must not hold what a damaged or odd file makes of it. A
// longer note is cut there; its first lines carry the values the shell shows.
#pragma once

#include <cstddef>

constexpr std::size_t kShellNoteBytesMax = 128 * 1024;
