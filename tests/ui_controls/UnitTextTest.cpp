#include "ui/UnitText.h"

#include <gtest/gtest.h>

namespace {

struct ScanCase {
    const char* text;
    float number;
    bool hasWord;
    const char* word;
};

const ScanCase kScanCases[] = {
    {"2.5 nm", 2.5f, true, "nm"},
    {"300p", 300.0f, true, "p"},
    {"1e-9", 1e-9f, false, ""},
    {"  -4.25\tmV  ", -4.25f, true, "mV"},
    {"+7", 7.0f, false, ""},
    {".5um", 0.5f, true, "um"},
    {"5 \xB5m", 5.0f, true, "\xB5m"},
    {"12 abcdefghijk", 12.0f, true, "abcdefghijk"}, // 11 characters: kept
    {"12 abcdefghijkl", 12.0f, false, ""},          // 12 characters: counts as absent
    {"abc", 0.0f, false, ""},                       // no number: nothing is read
    {"nm 5", 0.0f, false, ""},
    {"1e50 V", 0.0f, true, "V"}, // overflow: not a usable number
    {"nan", 0.0f, false, ""},
    {"3 k extra", 3.0f, true, "k"},
};

TEST(UnitText, ScansANumberAndAnOptionalWord) {
    for (const auto& c : kScanCases) {
        SCOPED_TRACE(c.text);
        const UnitInput input = ScanUnitInput(c.text);
        EXPECT_FLOAT_EQ(input.number, c.number);
        EXPECT_EQ(input.hasWord, c.hasWord);
        EXPECT_EQ(input.word, c.word);
    }
}

struct PrefixCase {
    const char* word;
    const char* unit;
    double multiplier;
};

const PrefixCase kPrefixCases[] = {
    {"a", "m", 1e-18},
    {"fm", "m", 1e-15},
    {"p", "", 1e-12},
    {"nm", "m", 1e-9},
    {"um", "m", 1e-6},
    {"\xB5V", "V", 1e-6},
    {"mV", "V", 1e-3},
    {"kHz", "Hz", 1e3},
    {"M", "", 1e6},
    {"GPa", "Pa", 1e9},
    {"T", "", 1e12},
    {"P", "", 1e15},
    {"V", "V", 1.0},
    {"deg", "", 1.0},
    {"", "m", 1.0},
    // The base unit itself is not read as the prefix its first letter looks like.
    {"m", "m", 1.0},
    {"Pa", "Pa", 1.0},
    {"m", "V", 1e-3},
};

TEST(UnitText, FirstCharacterSelectsThePrefix) {
    for (const auto& c : kPrefixCases) {
        SCOPED_TRACE(testing::Message() << c.word << " in " << c.unit);
        EXPECT_DOUBLE_EQ(PrefixMultiplier(c.word, c.unit), c.multiplier);
    }
}

TEST(UnitText, DisplayFormatCarriesPrecisionAndUnit) {
    EXPECT_EQ(UnitDisplayFormat(2, false), "%0.02f");
    EXPECT_EQ(UnitDisplayFormat(3, true), "%0.03f %s");
    EXPECT_EQ(UnitDisplayFormat(0, false), "%0.00f");
    EXPECT_EQ(UnitDisplayFormat(12, true), "%0.012f %s");
}

} // namespace
