// The process-wide 4096-byte buffer all label and screen texts are formatted into. Text that does
// not fit is cut after 4095 bytes; it never runs past the buffer.
#pragma once

#include <cstdarg>
#include <cstddef>

inline constexpr std::size_t kTextBufferSize = 4096;

// Formats into the shared buffer and returns it; a null format gives the empty text.
const char* FormatTextV(const char* format, va_list args);
const char* FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
