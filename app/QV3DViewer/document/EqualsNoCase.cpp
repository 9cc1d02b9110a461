#include "app/QV3DViewer/document/EqualsNoCase.h"

#include <algorithm>
#include <cctype>

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}
