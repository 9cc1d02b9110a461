// Igor text export, compared byte for byte.
#include "ibw/CIBWReader.h"

#include "IgorTextReader.h"
#include "TestFiles.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <fstream>
#include <sstream>

namespace {

using testfiles::TempFile;

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Exported {
    bool result;
    std::string text;
};

Exported Export(const ibwgen::WaveSpec& waveSpec, const std::string& waveName, int index = 0,
                bool noteWanted = true) {
    TempFile wave(waveSpec);
    CIBWReader reader;
    EXPECT_TRUE(reader.Open(wave.path()));
    std::string path = testfiles::TempPath(".itx");
    bool result = reader.WriteItx(path, waveName, index, noteWanted);
    std::string text = ReadText(path);
    std::remove(path.c_str());
    return {result, text};
}

ibwgen::WaveSpec ThreeByTwo() {
    ibwgen::WaveSpec waveSpec;
    waveSpec.dims = {3, 2, 1, 0};
    waveSpec.spacing = {0.5, 0.25, 1, 1};
    waveSpec.dimUnits = {"m", "nm", "", ""};
    waveSpec.values = {1, 2, 3, 4, 5, 6};
    waveSpec.dimLabels[2] = {"HeightRetrace"};
    return waveSpec;
}

const char* const kThreeByTwo = "IGOR\nWAVES/N=(3,2,1)\timg\nBEGIN\n"
                                "\t1\t4\n\t2\t5\n\t3\t6\n"
                                "END\n"
                                "X SetScale/P x 0,0.5,\"m\", img; SetScale/P y 0,0.25,\"nm\", img; "
                                "SetScale d 0,0,\"m\", img\n";

TEST(WriteItx, ThreeByTwoChannel) {
    ibwgen::WaveSpec waveSpec = ThreeByTwo();
    Exported e = Export(waveSpec, "img");
    EXPECT_TRUE(e.result);
    EXPECT_EQ(e.text, kThreeByTwo);

    waveSpec.note = "ScanSize: 2e-05\r";
    EXPECT_EQ(Export(waveSpec, "img", 0, false).text, kThreeByTwo);
    EXPECT_EQ(Export(waveSpec, "img").text,
              std::string(kThreeByTwo) + "X Note img, \"ScanSize: 2e-05\\r\"\n");
}

// Qt programs run in the user's locale; a decimal comma would make the numbers unreadable.
TEST(WriteItx, NumbersIgnoreADecimalCommaLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    }
    ibwgen::WaveSpec waveSpec = ThreeByTwo();
    waveSpec.values = {1.5f, 2, 3, 4, 5, 6.25f};
    const std::string text = Export(waveSpec, "img").text;
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_NE(text.find("\t1.5\t4\n"), std::string::npos);
    EXPECT_NE(text.find("\t3\t6.25\n"), std::string::npos);
    EXPECT_NE(text.find("SetScale/P x 0,0.5,"), std::string::npos);
}

TEST(WriteItx, StepOfAWideScan) {
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(256, 2, 1);
    waveSpec.spacing[0] = 2e-05 / 255;
    waveSpec.dimLabels[2] = {"PhaseRetrace"};
    std::string text = Export(waveSpec, "w").text;
    EXPECT_NE(
        text.find("X SetScale/P x -1e-06,7.84313725490196e-08,\"m\", w; SetScale/P y 5e-07,2e-08,\"m\", w; "
                  "SetScale d 0,0,\"\xB0\", w\n"),
        std::string::npos);
}

TEST(WriteItx, NonFiniteValuesAndStepsAreIgorWords) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.dims = {1, 3, 1, 0};
    waveSpec.values = {-NAN, INFINITY, -INFINITY};
    waveSpec.dimLabels[2] = {"HeightRetrace"};
    EXPECT_EQ(Export(waveSpec, "w").text, "IGOR\nWAVES/N=(1,3,1)\tw\nBEGIN\n\tNaN\tINF\t-INF\nEND\n"
                                          "X SetScale/P x 0,NaN,\"\", w; SetScale/P y 0,1,\"\", w; "
                                          "SetScale d 0,0,\"m\", w\n");
}

TEST(WriteItx, TwelvePairsMakeTwoNoteLines) {
    ibwgen::WaveSpec waveSpec = ThreeByTwo();
    std::string expected1 = "X Note img, \"";
    std::string expected2 = "X Note img, \"";
    for (int i = 1; i <= 12; ++i) {
        std::string pair = "K" + std::to_string(i) + ": " + std::to_string(i);
        waveSpec.note += pair + "\r";
        if (i <= 10) {
            expected1 += pair + (i < 10 ? "\\r" : "");
        } else {
            expected2 += pair + "\\r";
        }
    }
    EXPECT_EQ(Export(waveSpec, "img").text, kThreeByTwo + expected1 + "\"\n" + expected2 + "\"\n");
}

TEST(WriteItx, LongValuesAndLongLinesAreSplit) {
    ibwgen::WaveSpec waveSpec = ThreeByTwo();
    std::string value(700, 'v');
    for (int i = 0; i < 700; ++i) {
        value[i] = static_cast<char>('a' + i / 100);
    }
    waveSpec.note = "A: 1\rLong: " + value + "\rB: 2\r";
    std::string open = "X Note img, \"";
    EXPECT_EQ(Export(waveSpec, "img").text,
              kThreeByTwo + open + "A: 1\\r\"\n" + open + "Long: " + value.substr(0, 300) + "\"\n" + open +
                  value.substr(300, 300) + "\"\n" + open + value.substr(600) + "\"\n" + open + "B: 2\\r\"\n");

    // A collected line of 300 characters or more ends its group before the next pair.
    std::string v150(150, 'x');
    waveSpec.note = "P: " + v150 + "\rQ: " + v150 + "\rR: 3\r";
    std::string pq = "P: " + v150 + "\\rQ: " + v150 + "\\r";
    EXPECT_EQ(Export(waveSpec, "img").text, kThreeByTwo + open + pq + "\"\n" + open + "R: 3\\r\"\n");
}

// What Igor loads from the file is the channel as it was: the wave's name, both axes with their
// own starts, the note with its backslashes and quotes, and every 32-bit value to the bit.
TEST(WriteItx, ReadsBackAsTheSameWave) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.dims = {4, 3, 1, 0};
    waveSpec.spacing = {2.5e-08, 4e-09, 1, 1};
    waveSpec.start = {-1.2345678901234567e-06, 3.0000000000000004e-07, 0, 0};
    waveSpec.dimUnits = {"m", "nm", "", ""};
    waveSpec.dimLabels[2] = {"PhaseRetrace"};
    waveSpec.values = {0.1f,
                       1.0f / 3.0f,
                       123456.789f,
                       -2.7182817e-09f,
                       16777217.0f,
                       1e-40f, // subnormal
                       -0.0f,
                       std::numeric_limits<float>::max(),
                       std::numeric_limits<float>::quiet_NaN(),
                       std::numeric_limits<float>::infinity(),
                       0.30000001f,
                       7.0f};
    waveSpec.note = "Path: C:\\scans\\2024\\\"one\".ibw\r"
                    "Comment: a \"quoted\" word\tand a tab\r"
                    "\nAfterLineFeed: 1\r"
                    "Trailing\\: \\\r";
    for (int i = 0; i < 11; ++i) { // two note commands
        waveSpec.note += "K" + std::to_string(i) + ": " + std::to_string(i) + "\r";
    }
    struct Case {
        const char* given;
        const char* read; // the name Igor gives the wave
        bool quoted;
    };
    const Case cases[] = {
        {"Height_2", "Height_2", false},          // a standard name
        {"scan one", "scan one", true},           // a space
        {"20240501_0001", "20240501_0001", true}, // a digit first
        {"O'Brien;1", "O_Brien_1", true},         // what a quoted name cannot hold
        {"Mess\xE4ung", "Mess\xE4ung", true},     // a letter outside ASCII
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        const Exported e = Export(waveSpec, c.given);
        ASSERT_TRUE(e.result);
        igortext::Wave wave;
        std::string error;
        ASSERT_TRUE(igortext::Read(e.text, wave, error)) << error << "\n" << e.text;
        EXPECT_EQ(wave.name, c.read);
        EXPECT_EQ(e.text.find("\t'" + std::string(c.read) + "'\n") != std::string::npos, c.quoted);
        EXPECT_EQ(wave.columns, 4);
        EXPECT_EQ(wave.rows, 3);
        EXPECT_EQ(wave.x.start, waveSpec.start[0]);
        EXPECT_EQ(wave.x.step, waveSpec.spacing[0]);
        EXPECT_EQ(wave.x.unit, "m");
        EXPECT_EQ(wave.y.start, waveSpec.start[1]);
        EXPECT_EQ(wave.y.step, waveSpec.spacing[1]);
        EXPECT_EQ(wave.y.unit, "nm");
        EXPECT_EQ(wave.dataUnit, "\xB0");
        EXPECT_EQ(wave.note, waveSpec.note);
        ASSERT_EQ(wave.values.size(), waveSpec.values.size());
        for (std::size_t k = 0; k < wave.values.size(); ++k) {
            if (std::isnan(waveSpec.values[k])) {
                EXPECT_TRUE(std::isnan(wave.values[k])) << k;
            } else {
                EXPECT_EQ(std::bit_cast<std::uint32_t>(wave.values[k]),
                          std::bit_cast<std::uint32_t>(waveSpec.values[k]))
                    << k << ": " << wave.values[k] << " for " << waveSpec.values[k];
            }
        }
    }
}

TEST(WriteItx, IndexAndFileFailures) {
    ibwgen::WaveSpec waveSpec = ThreeByTwo();
    EXPECT_FALSE(Export(waveSpec, "img", 1).result);
    EXPECT_FALSE(Export(waveSpec, "img", -1).result);
    TempFile wave(waveSpec);
    CIBWReader reader;
    ASSERT_TRUE(reader.Open(wave.path()));
    std::string error;
    EXPECT_FALSE(reader.WriteItx("/nonexistent/dir/out.itx", "img", 0, true, &error));
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_FALSE(reader.WriteItx("/tmp/out.itx", "img", 3, true, &error));
    EXPECT_EQ(error, "no channel 3");
}

// A disk that fills part-way through reports the failure and keeps the earlier export.
TEST(WriteItx, FullDiskKeepsTheEarlierFile) {
    TempFile wave(testfiles::ImageSpec(256, 256, 1));
    CIBWReader reader;
    ASSERT_TRUE(reader.Open(wave.path()));
    testsupport::ScratchFolder folder;
    const std::string target = folder.File("scan.itx");
    testsupport::WriteAll(target, "earlier export");
    const testsupport::LimitedWrite full = testsupport::WriteUnderFileSizeLimit(
        16384, [&](std::string& error) { return reader.WriteItx(target, "scan", 0, true, &error); });
    ASSERT_TRUE(full.finished);
    EXPECT_FALSE(full.result);
    EXPECT_EQ(full.error, "File too large");
    EXPECT_EQ(testsupport::ReadAll(target), "earlier export");
    EXPECT_EQ(folder.Names(), std::set<std::string>{"scan.itx"});
}

} // namespace
