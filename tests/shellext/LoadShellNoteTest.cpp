// The shell's note reader against the wave reader's CIBWNote on the same files: the same text,
// trailer kind and pairs for good, other-order, force and damaged waves, and a long note cut.
#include "shellext/LoadShellNote.h"
#include "shellext/ShellNoteLimit.h"
#include "tests/ibw/TestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using testfiles::TempFile;

ibwgen::WaveSpec NotedWave(const std::string& note) {
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(3, 2, 1);
    waveSpec.note = note;
    waveSpec.dimLabels[2] = {"HeightTrace"};
    return waveSpec;
}

TEST(LoadShellNote, ReadsWhatTheWaveReadersNoteReads) {
    const std::string note = "ScanSize: 2e-05\rScanDown: 1\rTime: 12:30:00\r";
    const struct {
        const char* what;
        std::function<void(ibwgen::WaveSpec&)> change;
    } cases[] = {
        {"an image wave", [](ibwgen::WaveSpec&) {}},
        {"the other byte order", [](ibwgen::WaveSpec& w) { w.bigEndian = true; }},
        {"a force wave", [](ibwgen::WaveSpec& w) { w.trailer = ibwgen::Trailer::Force; }},
        {"no trailer", [](ibwgen::WaveSpec& w) { w.trailer = ibwgen::Trailer::None; }},
        {"an empty note", [](ibwgen::WaveSpec& w) { w.note.clear(); }},
        {"a broken checksum", [](ibwgen::WaveSpec& w) { w.checksumDelta = 1; }},
        {"version 4", [](ibwgen::WaveSpec& w) { w.version = 4; }},
        {"a note past the end", [](ibwgen::WaveSpec& w) { w.noteSize = 1 << 20; }},
        {"a negative note size", [](ibwgen::WaveSpec& w) { w.noteSize = -3; }},
        {"a wave size past the end", [](ibwgen::WaveSpec& w) { w.waveSize = 1 << 24; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ibwgen::WaveSpec waveSpec = NotedWave(note);
        c.change(waveSpec);
        TempFile file(waveSpec);
        for (bool parse : {true, false}) {
            const CIBWNote expected(file.path(), parse);
            const CIBWNote shell = LoadShellNote(file.path(), parse);
            EXPECT_EQ(shell.text, expected.text);
            EXPECT_EQ(shell.textBytes, expected.textBytes);
            EXPECT_EQ(shell.trailerKind, expected.trailerKind);
            EXPECT_EQ(shell.pairs, expected.pairs);
            EXPECT_EQ(shell.GetValue("ScanSize"), expected.GetValue("ScanSize"));
        }
    }
    // A file too short for the headers, and one that does not exist.
    TempFile shortFile(std::vector<std::uint8_t>{5, 0, 1}, ".ibw");
    EXPECT_TRUE(LoadShellNote(shortFile.path(), true).text.empty());
    EXPECT_TRUE(LoadShellNote("/nonexistent/file.ibw", true).text.empty());
}

TEST(LoadShellNote, CutsALongNote) {
    std::string note = "ScanSize: 2e-05\r";
    while (note.size() < 3 * kShellNoteBytesMax) {
        note += "Line: value\r";
    }
    TempFile file(NotedWave(note));
    const CIBWNote shell = LoadShellNote(file.path(), true);
    EXPECT_EQ(static_cast<std::size_t>(shell.textBytes), kShellNoteBytesMax);
    EXPECT_EQ(shell.text.size(), kShellNoteBytesMax + 3);
    EXPECT_EQ(shell.GetValue("ScanSize"), "2e-05");
    EXPECT_EQ(shell.trailerKind, 1);
}

} // namespace
