// Note parsing and lookups, dimension labels and trailer kind of CIBWNote.
#include "ibw/CIBWNote.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

CIBWNote NoteOf(const std::string& text, bool parse = true) {
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(2, 2, 1, true);
    waveSpec.note = text;
    testfiles::TempFile temp(waveSpec);
    return CIBWNote(temp.path(), parse);
}

TEST(CIBWNote, ParsesLinesIntoPairs) {
    struct Case {
        std::string text;
        Pairs pairs;
    } cases[] = {
        {"ScanSize: 2e-05\rScanRate:1\r\rDisplay Range 0: 1.5e-09 ",
         {{"ScanSize", "2e-05"}, {"ScanRate", "1"}, {"Display Range 0", "1.5e-09 "}}},
        {"Time: 12:30:00", {{"Time", "12:30:00"}}},
        {"A: 1\r\nB: 2\r\n", {{"A", "1"}, {"\nB", "2"}}},
        {"no colon here\r:empty key\r \tKey\t:\t value\r", {{" \tKey\t", "\t value"}}},
        {"", {}},
    };
    for (const Case& c : cases) {
        CIBWNote note = NoteOf(c.text);
        EXPECT_EQ(note.pairs, c.pairs) << c.text;
        EXPECT_EQ(note.textBytes, static_cast<std::int32_t>(c.text.size()));
        EXPECT_EQ(note.trailerKind, 1);
    }
}

TEST(CIBWNote, LookupsAreExactAndReturnTheFirstPair) {
    CIBWNote note = NoteOf("ColorMap 0: Grey\rA: 1\r\nB: 2\rColorMap 0: Gold\r");
    EXPECT_EQ(note.GetValue("ColorMap 0"), "Grey");
    EXPECT_EQ(note.GetValue("colormap 0"), "");
    EXPECT_EQ(note.GetValue("B"), "");
    EXPECT_EQ(note.GetValue("\nB"), "2");
    EXPECT_EQ(note.GetValue("Missing"), "");
}

TEST(CIBWNote, UnparsedLookupSearchesTheText) {
    CIBWNote note = NoteOf("ScanSize: 2e-05\rLong:" + std::string(80, 'x') + "\rNoColon\r", false);
    EXPECT_TRUE(note.pairs.empty());
    EXPECT_EQ(note.GetValue("ScanSize"), " 2e-05");
    EXPECT_EQ(note.GetValue("Size"), " 2e-05");
    EXPECT_EQ(note.GetValue("Long"), std::string(63, 'x'));
    EXPECT_EQ(note.GetValue("NoColon"), "");
    EXPECT_EQ(note.GetValue("Missing"), "");
    EXPECT_EQ(CIBWNote().GetValue("ScanSize"), "");
}

TEST(CIBWNote, LabelsAndTrailerOfTheFile) {
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(2, 2, 2);
    waveSpec.trailer = ibwgen::Trailer::Force;
    waveSpec.dimNames[2] = "Layers";
    waveSpec.dimLabels[2] = {"HeightRetrace", "PhaseRetrace"};
    waveSpec.dimLabels[1] = {"r0", "r1"};
    testfiles::TempFile temp(waveSpec);
    CIBWNote note(temp.path(), true);
    EXPECT_EQ(note.trailerKind, 2);
    EXPECT_EQ(note.dimNames[2], "Layers");
    EXPECT_EQ(note.dimNames[0], "");
    EXPECT_EQ(note.dimLabels[2], (std::vector<std::string>{"HeightRetrace", "PhaseRetrace"}));
    EXPECT_EQ(note.dimLabels[1], (std::vector<std::string>{"r0", "r1"}));
    EXPECT_TRUE(note.dimLabels[0].empty());

    CIBWNote missing("/nonexistent/file.ibw", true);
    EXPECT_TRUE(missing.text.empty());
    EXPECT_EQ(missing.trailerKind, 0);
}

} // namespace
