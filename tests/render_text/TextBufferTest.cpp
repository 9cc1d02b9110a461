// The shared text buffer cuts long text instead of running past its end.
#include "TextBuffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(TextBuffer, LongTextIsCutAtTheBufferEnd) {
    const std::string longText(5000, 'x');
    const char* text = FormatText("%s", longText.c_str());
    EXPECT_EQ(std::strlen(text), kTextBufferSize - 1);
    EXPECT_STREQ(FormatText(nullptr), "");
    EXPECT_STREQ(FormatText("%0.01f %s", 7.5, "\xB5m"), "7.5 \xB5m");
}

} // namespace
