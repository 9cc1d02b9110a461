// Windows-1252 to UTF-8, with each choice for the bytes the code page leaves undefined.
#include "base/Windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Windows1252ToUtf8, MapsEveryRangeAndUndefinedBytesAsAsked) {
    struct Case {
        std::string in;
        std::string asControl;
        std::string asReplacement;
    };
    const Case cases[] = {
        {"plain \t\n", "plain \t\n", "plain \t\n"},
        {"20.000 \xB5m", "20.000 \xC2\xB5m", "20.000 \xC2\xB5m"},
        {"12\xB0", "12\xC2\xB0", "12\xC2\xB0"},
        {"\x80 \x99", "\xE2\x82\xAC \xE2\x84\xA2", "\xE2\x82\xAC \xE2\x84\xA2"},
        {"\x9F\xFF", "\xC5\xB8\xC3\xBF", "\xC5\xB8\xC3\xBF"},
        {"\x81", "\xC2\x81", "\xEF\xBF\xBD"},
        {"\x8D\x8F\x90\x9D", "\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D",
         "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {std::string("a\0b", 3), std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Windows1252ToUtf8(c.in, Undefined1252::C1Control), c.asControl) << c.in;
        EXPECT_EQ(Windows1252ToUtf8(c.in, Undefined1252::Replacement), c.asReplacement) << c.in;
    }
}

} // namespace
