// The footer's text layer: numbers, entries and the case-insensitive key map.
#include "shellext/FooterNumber.h"
#include "shellext/IBWFooterKeys.h"
#include "shellext/NextFooterEntry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(FooterNumber, ReadsLikeAtoiWithoutOverflow) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const std::vector<Case> cases = {
        {"1000", 1000},
        {"  42", 42},
        {"\t-7", -7},
        {"+5", 5},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"- 3", 0},
        {"2147483647", 2147483647},
        {"99999999999999999999", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-99999999999", -2147483647 - 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FooterNumber(c.text), c.value) << c.text;
    }
}

TEST(NextFooterEntry, SplitsEntriesAndSkipsRepeatedSemicolons) {
    const std::string text = "A: 1;;;\r\n B:x y ;NoColon;Key:;tail";
    std::size_t pos = 0;
    std::string_view key;
    std::string_view value;
    std::vector<std::pair<std::string, std::string>> entries;
    while (NextFooterEntry(text, &pos, &key, &value)) {
        entries.emplace_back(key, value);
    }
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"A", "1"}, {"\r\n B", "x y "}, {"", ""}, {"Key", ""}};
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(text.substr(pos), "tail");
}

TEST(NextFooterEntry, ValueTakesEverythingAfterTheFirstColon) {
    std::size_t pos = 0;
    std::string_view key;
    std::string_view value;
    ASSERT_TRUE(NextFooterEntry("Time:  12:30:00;", &pos, &key, &value));
    EXPECT_EQ(key, "Time");
    EXPECT_EQ(value, "12:30:00");
    EXPECT_FALSE(NextFooterEntry("Time:  12:30:00;", &pos, &key, &value));
}

TEST(IBWFooterKeys, MatchesAnyCaseAndLaterEntriesWin) {
    IBWFooterKeys keys = IBWFooterKeys::Parse("numberoffiles:2;DataWidth:64;DATAWIDTH:32; Version:2;");
    ASSERT_TRUE(keys.Find("NumberOfFiles"));
    EXPECT_EQ(*keys.Find("NumberOfFiles"), "2");
    EXPECT_EQ(*keys.Find("datawidth"), "32");
    // Leading white space is part of the key.
    EXPECT_FALSE(keys.Find("Version"));
    ASSERT_TRUE(keys.Find(" version"));
    EXPECT_FALSE(keys.Find("DataHeight"));
}

} // namespace
