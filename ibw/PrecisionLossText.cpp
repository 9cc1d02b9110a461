#include "ibw/IBWPrecisionLoss.h"

#include <charconv>

namespace {

// The shortest form that reads back as the value, free of the locale: the viewer's locale may use a
// decimal comma.
std::string Number(double value) {
    char text[32];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end.ptr);
}

std::string Count(std::int64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

void Append(std::string* text, const std::string& part) {
    *text += text->empty() ? part : "; " + part;
}

} // namespace

std::string PrecisionLossText(const IBWPrecisionLoss& loss) {
    std::string text;
    if (loss.beyondRange > 0) {
        Append(&text, Count(loss.beyondRange, "value lies beyond the 32-bit float range and shows",
                            "values lie beyond the 32-bit float range and show") +
                          " as infinite (largest magnitude " + Number(loss.largestBeyond) + ")");
    }
    if (loss.tooSmall > 0) {
        Append(&text, Count(loss.tooSmall, "value is too small for a 32-bit float and shows",
                            "values are too small for a 32-bit float and show") +
                          " as 0");
    }
    if (loss.rounded > 0) {
        Append(&text, Count(loss.rounded, "integer exceeds 2^24 = 16777216 and shows",
                            "integers exceed 2^24 = 16777216 and show") +
                          " rounded to a 32-bit float (largest magnitude " + Number(loss.largestRounded) +
                          ")");
    }
    return text;
}
