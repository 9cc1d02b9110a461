#include "shellext/win/AnsiText.h"

#include <windows.h>

#include <climits>

std::string ToAnsi(std::wstring_view text) {
    if (text.empty() || text.size() > INT_MAX) {
        return {};
    }
    int length = static_cast<int>(text.size());
    int bytes = WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) {
        return {};
    }
    std::string result(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
    return result;
}

std::wstring FromAnsi(std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) {
        return {};
    }
    int length = static_cast<int>(text.size());
    int units = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), length, nullptr, 0);
    if (units <= 0) {
        return {};
    }
    std::wstring result(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), length, result.data(), units);
    return result;
}
