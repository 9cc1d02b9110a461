// Damaged headers: sizes the file cannot hold are rejected with one line, never allocated or read.
#include "ibw/CIBWReader.h"
#include "ibw/IBWRead.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using testfiles::ImageSpec;
using testfiles::OpenFile;
using testfiles::TempFile;

struct Outcome {
    int result;
    std::string output;
};

Outcome ReadWave(const std::string& path) {
    OpenFile file(path);
    int type = 0;
    std::int32_t points = 0;
    IBWBuffer data;
    ::testing::internal::CaptureStdout();
    int result = ReadIBWWave(file.get(), &type, &points, &data, nullptr);
    std::string output = ::testing::internal::GetCapturedStdout();
    EXPECT_FALSE(result != 0 && data);
    return {result, output};
}

TEST(HostileInput, ShortFileClaimingTwoBillionPointsFailsFast) {
    ibwgen::WaveSpec waveSpec = ImageSpec(2, 2, 1);
    waveSpec.pointCount = INT_MAX;
    std::vector<std::uint8_t> bytes = ibwgen::BuildWave(waveSpec);
    bytes.resize(100);
    TempFile temp(bytes);
    Outcome r = ReadWave(temp.path());
    EXPECT_EQ(r.result, -1);
    EXPECT_EQ(r.output, "The file is too short to hold the wave headers (100 bytes).\n");
}

TEST(HostileInput, PointCountsTheFileCannotHold) {
    struct Case {
        std::int32_t points;
        std::int16_t type;
        const char* output;
    } cases[] = {
        {INT_MAX, 0x02, "The wave data (8589934588 bytes) extends past the end of the file.\n"},
        {INT_MAX, 0x05, "The wave data (34359738352 bytes) extends past the end of the file.\n"},
        {5, 0x02, "The wave data (20 bytes) extends past the end of the file.\n"},
        {-5, 0x02, "Invalid number of points (-5).\n"},
        {INT_MIN, 0x02, "Invalid number of points (-2147483648).\n"},
    };
    for (const Case& c : cases) {
        for (bool big : {false, true}) {
            ibwgen::WaveSpec waveSpec;
            waveSpec.bigEndian = big;
            waveSpec.type = c.type;
            waveSpec.trailer = ibwgen::Trailer::None;
            waveSpec.rawData.assign(16, 0); // 16 bytes after the headers
            waveSpec.pointCount = c.points;
            TempFile temp(waveSpec);
            Outcome r = ReadWave(temp.path());
            EXPECT_EQ(r.result, -1) << c.points;
            EXPECT_EQ(r.output, c.output);
        }
    }
}

TEST(HostileInput, NoteAndLabelSizesPastTheEnd) {
    struct Case {
        std::optional<std::int32_t> noteSize;
        std::optional<std::int32_t> waveSize;
        std::optional<std::int32_t> labelSize;
        const char* noteOutput;
        const char* labelOutput;
    } cases[] = {
        {100000, {}, {}, "The wave note (100000 bytes) extends past the end of the file.\n", nullptr},
        {-1, {}, {}, "The wave note (-1 bytes) extends past the end of the file.\n", nullptr},
        {{}, INT_MAX, {}, "The wave note (3 bytes) extends past the end of the file.\n", nullptr},
        {{}, {}, 1 << 30, nullptr, "The dimension labels extend past the end of the file.\n"},
        {{}, {}, -32, nullptr, "The dimension labels extend past the end of the file.\n"},
    };
    for (const Case& c : cases) {
        ibwgen::WaveSpec waveSpec = ImageSpec(2, 2, 1);
        waveSpec.note = "a:b";
        waveSpec.dimLabels[2] = {"HeightRetrace"};
        waveSpec.noteSize = c.noteSize;
        waveSpec.waveSize = c.waveSize;
        waveSpec.labelSize[2] = c.labelSize;
        TempFile temp(waveSpec);
        OpenFile file(temp.path());

        std::vector<char> text;
        std::int32_t bytes = 0;
        ::testing::internal::CaptureStdout();
        int noteResult = ReadIBWNoteText(file.get(), &text, &bytes);
        std::string noteOutput = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(noteResult, c.noteOutput ? -1 : 0);
        EXPECT_EQ(noteOutput, c.noteOutput ? c.noteOutput : "");

        IBWDimLabels labels;
        ::testing::internal::CaptureStdout();
        int labelResult = ReadIBWDimLabels(file.get(), &labels);
        std::string labelOutput = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(labelResult, -1); // either the note before them or the labels themselves do not fit
        if (c.labelOutput) {
            EXPECT_EQ(labelOutput, c.labelOutput);
        }
    }
}

TEST(HostileInput, LayersBeyondTheDataAreRejected) {
    struct Case {
        std::array<std::int32_t, 4> dims;
        const char* output;
    } cases[] = {
        {{512, 512, 4, 0}, "The dimensions (512 x 512 x 4) hold more points than the wave (8).\n"},
        {{2, 2, 3, 0}, "The dimensions (2 x 2 x 3) hold more points than the wave (8).\n"},
        {{-2, -2, 2, 0}, "The dimensions (-2 x -2 x 2) hold more points than the wave (8).\n"},
        {{2, 2, -1, 0}, "The dimensions (2 x 2 x -1) hold more points than the wave (8).\n"},
        {{65536, 65536, 1, 0}, "The dimensions (65536 x 65536 x 1) hold more points than the wave (8).\n"},
        {{0, 512, 1 << 30, 0}, "The dimensions (0 x 512 x 1073741824) hold more points than the wave (8).\n"},
        {{2, 0, 9, 0}, "The dimensions (2 x 0 x 9) hold more points than the wave (8).\n"},
        {{0, 0, 3, 0}, nullptr},
        {{2, 2, 2, 0}, nullptr},
        {{1, 2, 3, 0}, nullptr},
    };
    for (const Case& c : cases) {
        ibwgen::WaveSpec waveSpec = ImageSpec(2, 2, 2);
        waveSpec.dims = c.dims;
        TempFile temp(waveSpec);
        CIBWReader reader;
        ::testing::internal::CaptureStdout();
        bool opened = reader.Open(temp.path());
        std::string output = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(opened, c.output == nullptr) << c.dims[0];
        EXPECT_EQ(output, c.output ? c.output : "");
        if (!opened) {
            EXPECT_EQ(reader.channelCount, 0);
            EXPECT_FALSE(reader.waveData);
        }
    }
}

TEST(HostileInput, TruncatedFilesNeverCrash) {
    ibwgen::WaveSpec waveSpec = ImageSpec(8, 8, 2);
    waveSpec.note = "ScanSize: 5e-06\rScanRate: 1\r";
    waveSpec.dimLabels[2] = {"HeightRetrace", "PhaseRetrace"};
    std::vector<std::uint8_t> whole = ibwgen::BuildWave(waveSpec);
    for (std::size_t size = 0; size < whole.size(); size += 7) {
        TempFile temp(
            std::vector<std::uint8_t>(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)));
        ::testing::internal::CaptureStdout();
        CIBWReader reader;
        // Without its trailer the file is a plain wave, shown only once every section is whole.
        EXPECT_EQ(reader.Open(temp.path()), size >= ibwgen::WaveSectionsSize(waveSpec)) << size;
        CIBWNote note(temp.path(), true);
        OpenFile file(temp.path());
        int type = 0;
        std::int32_t points = 0;
        IBWBuffer data;
        int result = ReadIBWWave(file.get(), &type, &points, &data, nullptr);
        ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(result == 0, size >= 384 + 8 * 8 * 2 * 4) << size;
    }
}

} // namespace
