// The shared text buffer.
#include "TextBuffer.h"

#include <cstdio>

namespace {
char textBuffer[kTextBufferSize];
}

const char* FormatTextV(const char* format, va_list args) {
    textBuffer[0] = '\0';
    if (format != nullptr && std::vsnprintf(textBuffer, kTextBufferSize, format, args) < 0) {
        textBuffer[0] = '\0';
    }
    return textBuffer;
}

const char* FormatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const char* text = FormatTextV(format, args);
    va_end(args);
    return text;
}
