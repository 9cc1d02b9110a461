// The low-level routines: file layer codes, byte order, version and checksum checks, data, note,
// labels and trailer, each with its exact diagnostic line.
#include "ibw/IBWRead.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using testfiles::ImageSpec;
using testfiles::OpenFile;
using testfiles::TempFile;

struct WaveRead {
    int result = 0;
    int type = 0;
    std::int32_t points = 0;
    IBWBuffer data;
    WaveHeader5 header{};
    std::string output;
};

WaveRead ReadWave(const std::string& path) {
    OpenFile file(path);
    WaveRead r;
    ::testing::internal::CaptureStdout();
    r.result = ReadIBWWave(file.get(), &r.type, &r.points, &r.data, &r.header);
    r.output = ::testing::internal::GetCapturedStdout();
    return r;
}

TEST(IBWFileIO, ResultCodes) {
    std::FILE* file = nullptr;
    EXPECT_EQ(IBWFileOpen("/nonexistent/dir/x.ibw", false, &file), 10000);
    TempFile temp(std::vector<std::uint8_t>{'a', 'b', 'c'});
    ASSERT_EQ(IBWFileOpen(temp.path(), false, &file), 0);
    char buffer[8] = {};
    std::size_t got = 99;
    EXPECT_EQ(IBWFileRead(file, 0, buffer, &got), 0);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(IBWFileSetPosition(file, 1, kIBWFromStart), 0);
    std::int64_t end = 0;
    EXPECT_EQ(IBWFileEndPosition(file, &end), 0);
    EXPECT_EQ(end, 3);
    std::int64_t position = 0;
    EXPECT_EQ(IBWFileGetPosition(file, &position), 0);
    EXPECT_EQ(position, 1);                           // restored by IBWFileEndPosition
    EXPECT_EQ(IBWFileRead(file, 8, buffer, &got), 0); // a short read is no error
    EXPECT_EQ(got, 2u);
    EXPECT_EQ(IBWFileRead(file, 8, buffer, &got), 10002); // nothing left
    EXPECT_EQ(IBWFileSetPosition(file, 0, 2), 10005);     // no such mode
    EXPECT_EQ(IBWFileSetPosition(file, -1, kIBWFromEnd), 0);
    EXPECT_EQ(IBWFileClose(file), 0);
}

TEST(IBWChecksum, SumsWordsInTheFilesOrder) {
    const unsigned char bytes[] = {0x01, 0x02, 0x03, 0x04, 0xFF};
    bool little = std::endian::native == std::endian::little;
    EXPECT_EQ(IBWChecksum(bytes, 5, 0, 0), little ? 0x0201 + 0x0403 : 0x0102 + 0x0304); // odd byte ignored
    EXPECT_EQ(IBWChecksum(bytes, 4, 1, 0), little ? 0x0102 + 0x0304 : 0x0201 + 0x0403);
    EXPECT_EQ(IBWChecksum(bytes, 2, 0, 0xFFFF), little ? 0x0200 : 0x0101); // modulo 65536
}

TEST(SwapUnitBytes, ReversesEachUnit) {
    unsigned char bytes[] = {1, 2, 3, 4, 5, 6, 7, 8};
    SwapUnitBytes(bytes, 4, 2);
    EXPECT_EQ(std::memcmp(bytes, "\x04\x03\x02\x01\x08\x07\x06\x05", 8), 0);
    SwapUnitBytes(bytes, 2, 1);
    EXPECT_EQ(bytes[0], 3);
}

TEST(ReadIBWWave, BothByteOrdersGiveTheSameHeaderAndData) {
    ibwgen::WaveSpec waveSpec = ImageSpec(4, 3, 2);
    waveSpec.waveName = "scan0001";
    TempFile little(waveSpec);
    waveSpec.bigEndian = true;
    TempFile big(waveSpec);
    WaveRead a = ReadWave(little.path());
    WaveRead b = ReadWave(big.path());
    ASSERT_EQ(a.result, 0);
    ASSERT_EQ(b.result, 0);
    EXPECT_EQ(a.output, "");
    EXPECT_EQ(a.type, 0x02);
    EXPECT_EQ(a.points, 24);
    EXPECT_EQ(std::memcmp(&a.header, &b.header, 320), 0);
    EXPECT_EQ(std::int32_t{a.header.nDim[1]}, 3); // packed fields are copied, never bound
    EXPECT_EQ(double{a.header.sfA[1]}, 2e-8);
    EXPECT_EQ(double{a.header.sfB[0]}, -1e-6);
    EXPECT_STREQ(a.header.bname, "scan0001");
    EXPECT_STREQ(a.header.dimUnits[0], "m");
    ASSERT_TRUE(a.data && b.data);
    EXPECT_EQ(std::memcmp(a.data.get(), b.data.get(), 24 * 4), 0);
    EXPECT_EQ(reinterpret_cast<const float*>(b.data.get())[23], 23.0f);

    OpenFile f(big.path());
    int needSwap = -1;
    BinHeader5 bin;
    EXPECT_EQ(ReadIBWHeaders(f.get(), nullptr, &bin, &needSwap), 0);
    EXPECT_EQ(needSwap, std::endian::native == std::endian::little ? 1 : 0);
    EXPECT_EQ(std::int32_t{bin.wfmSize}, 320 + 96);
}

TEST(ReadIBWHeaders, VersionCheck) {
    struct Case {
        std::int16_t version;
        int result;
        const char* output;
    } cases[] = {
        {2, -1,
         "This does not appear to be a valid Igor binary wave file or its older than what we want to "
         "support. "
         "The version field = 2.\n"},
        {3, -1,
         "This does not appear to be a valid Igor binary wave file or its older than what we want to "
         "support. "
         "The version field = 3.\n"},
        {5, 0, ""},
        {6, 0, ""},
    };
    for (const Case& c : cases) {
        for (bool big : {false, true}) {
            ibwgen::WaveSpec waveSpec = ImageSpec(2, 2, 1, big);
            waveSpec.version = c.version;
            TempFile temp(waveSpec);
            WaveRead r = ReadWave(temp.path());
            EXPECT_EQ(r.result, c.result) << c.version;
            EXPECT_EQ(r.output, c.output);
        }
    }
}

TEST(ReadIBWHeaders, EmptyFileReportsTheVersionReadError) {
    TempFile temp(std::vector<std::uint8_t>{});
    WaveRead r = ReadWave(temp.path());
    EXPECT_EQ(r.result, 10002);
    EXPECT_EQ(r.output, "Error 10002 occurred while reading the file version.\n");
}

TEST(ReadIBWHeaders, StreamErrorIsReported) {
    // A folder opens as a stream on Linux, and every read of it fails.
    std::string folder = testfiles::TempPath(".dir");
    std::filesystem::create_directory(folder);
    WaveRead r = ReadWave(folder);
    std::filesystem::remove(folder);
    EXPECT_EQ(r.result, 10003);
    EXPECT_EQ(r.output, "Error 10003 occurred while reading the file version.\n");
}

TEST(ReadIBWHeaders, AnyChangedHeaderByteFailsTheChecksum) {
    std::vector<std::uint8_t> good = ibwgen::BuildWave(ImageSpec(2, 2, 1));
    for (std::size_t i = 0; i < 384; ++i) {
        std::vector<std::uint8_t> bytes = good;
        bytes[i] = static_cast<std::uint8_t>(bytes[i] + 1);
        TempFile temp(bytes);
        WaveRead r = ReadWave(temp.path());
        EXPECT_EQ(r.result, -1) << i;
        EXPECT_FALSE(r.data);
    }
    ibwgen::WaveSpec waveSpec = ImageSpec(2, 2, 1, true);
    waveSpec.checksumDelta = -3;
    TempFile temp(waveSpec);
    WaveRead r = ReadWave(temp.path());
    EXPECT_EQ(r.result, -1);
    EXPECT_EQ(r.output, "Error in checksum - should be 0, is -3.\n"
                        "This does not appear to be a valid Igor binary wave file.\n");
}

TEST(ReadIBWWave, TextWaveHasNoData) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.type = 0;
    waveSpec.rawData = {'a', 'b'};
    TempFile temp(waveSpec);
    WaveRead r = ReadWave(temp.path());
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.output, "This is a text wave.\n");
    EXPECT_FALSE(r.data);
}

TEST(ReadIBWWave, ComplexAndInvalidTypes) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.bigEndian = true;
    waveSpec.type = 0x03;
    waveSpec.dims = {2, 0, 0, 0};
    waveSpec.values = {1.5f, -2.5f, 3.5f, -4.5f}; // (re, im) pairs
    TempFile complex(waveSpec);
    WaveRead r = ReadWave(complex.path());
    ASSERT_EQ(r.result, 0);
    EXPECT_EQ(r.points, 2);
    const auto* parts = reinterpret_cast<const float*>(r.data.get());
    EXPECT_EQ(parts[1], -2.5f);
    EXPECT_EQ(parts[3], -4.5f);

    waveSpec.type = 0x06;
    waveSpec.values.clear();
    waveSpec.rawData.assign(8, 0);
    waveSpec.pointCount = 2;
    TempFile invalid(waveSpec);
    r = ReadWave(invalid.path());
    EXPECT_EQ(r.result, -1);
    EXPECT_EQ(r.output, "Invalid wave type (0x6).\n");
    EXPECT_FALSE(r.data);
    EXPECT_EQ(r.type, 0);
}

// Data is read and swapped in slices of a quarter megabyte: waves across several slices, with an
// element count that ends mid-slice, must read the same in both byte orders.
TEST(ReadIBWWave, WavesOfManyReadSlicesGiveTheSameDataInBothByteOrders) {
    constexpr int kPoints = 100003;
    for (std::int16_t type : {0x02, 0x05, 0x10, 0x60}) {
        ibwgen::WaveSpec waveSpec;
        waveSpec.type = type;
        waveSpec.dims = {kPoints, 0, 0, 0};
        waveSpec.values.resize((type & 0x01) != 0 ? 2 * kPoints : kPoints);
        for (std::size_t i = 0; i < waveSpec.values.size(); ++i) {
            waveSpec.values[i] = static_cast<float>(i % 30011) - 15000.0f;
        }
        TempFile little(waveSpec);
        waveSpec.bigEndian = true;
        TempFile big(waveSpec);
        WaveRead a = ReadWave(little.path());
        WaveRead b = ReadWave(big.path());
        ASSERT_EQ(a.result, 0) << type;
        ASSERT_EQ(b.result, 0) << type;
        const std::size_t bytes = static_cast<std::size_t>(kPoints) * IBWElementSize(type);
        EXPECT_EQ(std::memcmp(a.data.get(), b.data.get(), bytes), 0) << type;
    }
}

TEST(ReadIBWWave, IntegerTypesAreSwappedPerElement) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.bigEndian = true;
    waveSpec.type = 0x10 | 0x40;
    waveSpec.values = {1, 258, 65535};
    TempFile temp(waveSpec);
    WaveRead r = ReadWave(temp.path());
    ASSERT_EQ(r.result, 0);
    const auto* values = reinterpret_cast<const std::uint16_t*>(r.data.get());
    EXPECT_EQ(values[1], 258);
    EXPECT_EQ(values[2], 65535);
}

TEST(ReadIBWWave, TooSmallWaveSizeReadsZeros) {
    // The data bytes stay in the file; only the header's wave size changes. A size below the
    // header's own 320 bytes is compared unsigned and so does not stop the read.
    for (std::int32_t waveSize : {320 + 8, 100}) {
        ibwgen::WaveSpec waveSpec = ImageSpec(4, 4, 1);
        waveSpec.waveSize = waveSize;
        TempFile temp(waveSpec);
        WaveRead r = ReadWave(temp.path());
        ASSERT_EQ(r.result, 0);
        EXPECT_EQ(r.points, 16);
        const auto* values = reinterpret_cast<const float*>(r.data.get());
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(values[i], waveSize < 320 ? static_cast<float>(i) : 0.0f) << waveSize;
        }
    }
}

TEST(ReadIBWWave, ZeroPointsStillGivesABuffer) {
    ibwgen::WaveSpec waveSpec;
    TempFile temp(waveSpec);
    WaveRead r = ReadWave(temp.path());
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.points, 0);
    EXPECT_TRUE(r.data);
}

TEST(ReadIBWNoteText, NoteEndsWithTwoCarriageReturns) {
    for (const std::string& note : {std::string(), std::string("ScanSize: 2e-05\rScanRate: 1")}) {
        ibwgen::WaveSpec waveSpec = ImageSpec(2, 2, 1, true);
        waveSpec.note = note;
        TempFile temp(waveSpec);
        OpenFile file(temp.path());
        std::int32_t bytes = -1;
        EXPECT_EQ(ReadIBWNoteText(file.get(), nullptr, &bytes), 0);
        EXPECT_EQ(bytes, static_cast<std::int32_t>(note.size()) + 2);
        std::vector<char> text;
        EXPECT_EQ(ReadIBWNoteText(file.get(), &text, &bytes), 0);
        EXPECT_EQ(bytes, static_cast<std::int32_t>(note.size()));
        EXPECT_EQ(std::string(text.data()), note + "\r\r");
        EXPECT_EQ(text.size(), note.size() + 3);
    }
}

TEST(ReadIBWDimLabels, CountsNamesAndLabels) {
    ibwgen::WaveSpec waveSpec = ImageSpec(2, 2, 2, true);
    waveSpec.formula = "x*2";
    waveSpec.note = "a:b\r";
    waveSpec.dimNames[0] = "X";                                      // label size 32
    waveSpec.dimNames[2] = "Layers";                                 // label size 96
    waveSpec.dimLabels[2] = {"HeightRetrace", std::string(40, 'p')}; // cut to 31 characters
    TempFile temp(waveSpec);
    OpenFile file(temp.path());
    EXPECT_EQ(ReadIBWDimLabels(file.get(), nullptr), 1);
    IBWDimLabels labels;
    ASSERT_EQ(ReadIBWDimLabels(file.get(), &labels), 0);
    EXPECT_EQ(labels.count[0], 0);
    EXPECT_STREQ(labels.name[0].data(), "X");
    EXPECT_TRUE(labels.labels[0].empty());
    EXPECT_EQ(labels.count[1], 0);
    EXPECT_EQ(labels.count[2], 2);
    EXPECT_STREQ(labels.name[2].data(), "Layers");
    ASSERT_EQ(labels.labels[2].size(), 2u);
    EXPECT_STREQ(labels.labels[2][0].data(), "HeightRetrace");
    EXPECT_EQ(std::string(labels.labels[2][1].data()), std::string(31, 'p'));
}

TEST(ReadIBWTrailerKind, LastFiveBytes) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        int kind;
    } cases[] = {
        {ibwgen::BuildWave(ImageSpec(2, 2, 1)), 1},
        {{'x', 'F', 'o', 'r', 'c', 'e'}, 2},
        {{'K', 'T', 'Z', '9', 'w'}, 0},
        {{'T', 'Z', '9', 'W'}, 0},
        {{}, 0},
    };
    for (const Case& c : cases) {
        TempFile temp(c.bytes);
        OpenFile file(temp.path());
        EXPECT_EQ(ReadIBWTrailerKind(file.get()), c.kind);
    }
}

} // namespace
