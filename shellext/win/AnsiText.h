// Conversions between UTF-16 and 8-bit text in the thread's ANSI code page.
#pragma once

#include <string>
#include <string_view>

std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);

// Copies text into a zero-ended buffer of capacity units, cutting what does not fit.
template <typename Char> void CopyCut(std::basic_string_view<Char> text, Char* buffer, std::size_t capacity) {
    if (capacity == 0) {
        return;
    }
    std::size_t length = text.size() < capacity - 1 ? text.size() : capacity - 1;
    text.copy(buffer, length);
    buffer[length] = Char{};
}
