#include "app/QV3DViewer/view/NoteDisplayRange.h"

#include <cctype>
#include <charconv>

double LeadingDouble(const std::string& text) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p != end && std::isspace(static_cast<unsigned char>(*p))) {
        ++p;
    }
    if (p != end && *p == '+') {
        ++p;
    }
    double value = 0;
    const auto [ptr, ec] = std::from_chars(p, end, value);
    if (ec == std::errc::result_out_of_range) {
        return 0;
    }
    return ec == std::errc() ? value : 0;
}

DisplayRange NoteDisplayRange(const std::string& offsetText, const std::string& rangeText) {
    const double offset = LeadingDouble(offsetText);
    const double range = LeadingDouble(rangeText);
    return {static_cast<float>(range), static_cast<float>(offset - range * 0.5)};
}
