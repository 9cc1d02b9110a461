// ibwdump's description of a file, and the ibwgen description parser that feeds it fixtures.
#include "tools/ibwdump/DumpWave.h"
#include "tools/ibwdump/JsonWriter.h"
#include "tools/ibwgen/ParseWaveSpec.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using testfiles::TempFile;

ibwgen::WaveSpec Described(bool big) {
    ibwgen::WaveSpec waveSpec;
    std::string error;
    EXPECT_TRUE(ibwgen::ParseWaveSpec({"byteorder=" + std::string(big ? "big" : "little"), "dims=8,4,2",
                                       "spacing=1e-8,2e-8", "start=-5e-8,0", "dimunits=m,m",
                                       "labels2=HeightRetrace,PhaseRetrace", "note=ScanSize: 5e-08",
                                       "note=Mode: \"AC\"\\t", "fill=ramp", "preview=4x2", "footerversion=1"},
                                      &waveSpec, &error))
        << error;
    waveSpec.values[3] = NAN;
    return waveSpec;
}

std::string Dump(const ibwgen::WaveSpec& waveSpec, int* result = nullptr) {
    TempFile temp(waveSpec);
    std::string json;
    ::testing::internal::CaptureStdout();
    int r = DumpWave(temp.path(), &json);
    ::testing::internal::GetCapturedStdout();
    if (result != nullptr) {
        *result = r;
    }
    return json;
}

TEST(IbwDump, ByteOrdersDifferOnlyInTheByteOrderField) {
    std::string little = Dump(Described(false));
    std::string big = Dump(Described(true));
    ASSERT_FALSE(little.empty());
    std::size_t at = little.find("\"byteOrder\": \"little\"");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(little.replace(at, 21, "\"byteOrder\": \"big\""), big);
}

TEST(IbwDump, DescribesChannelsNoteAndFooter) {
    std::string json = Dump(Described(false));
    for (const char* part : {"\"dimensions\": [8, 4, 2, 0]", "\"name\": \"PhaseRetrace\"",
                             "\"zUnit\": \"\xC2\xB0\"", "\"min\": 0", "\"max\": 31", "\"nanCount\": 1",
                             "\"mean\": 47.5", "\"xExtent\": 7e-08", "\"value\": \"\\\"AC\\\"\\\\t\"",
                             "\"key\": \"HeightRetrace\"", "\"tag\": \"KTZ9W\"", "\"trailer\": \"KTZ9W\""}) {
        EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
    }
}

TEST(IbwDump, RefusedFilesReturnTheReadersCode) {
    ibwgen::WaveSpec waveSpec = Described(false);
    waveSpec.checksumDelta = 1;
    int result = 0;
    EXPECT_EQ(Dump(waveSpec, &result), "");
    EXPECT_EQ(result, -1);
    waveSpec = Described(false);
    waveSpec.dims[2] = 3; // layers past the data
    Dump(waveSpec, &result);
    EXPECT_EQ(result, -1);
    std::string json;
    EXPECT_EQ(DumpWave("/nonexistent/x.ibw", &json), 10000);
}

TEST(IbwDump, PlainWaveHasNoChannelsAndNoFooter) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.trailer = ibwgen::Trailer::None;
    waveSpec.values = {1, 2};
    std::string json = Dump(waveSpec);
    EXPECT_NE(json.find("\"channels\": []"), std::string::npos);
    EXPECT_NE(json.find("\"previewFooter\": null"), std::string::npos);
}

TEST(IbwDump, DescribesEveryWaveTheReaderTakesAndWhyItTakesOthersNot) {
    ibwgen::WaveSpec counts;
    counts.type = 0x50; // unsigned 16-bit
    counts.waveName = "camera";
    counts.dims = {3, 2, 0, 0};
    counts.exactValues = {0, 1, 2, 65535, 4, 5};
    counts.trailer = ibwgen::Trailer::None;
    std::string json = Dump(counts);
    for (const char* part : {"\"type\": 80", "\"name\": \"camera\"", "\"max\": 65535", "\"refusal\": null",
                             "\"precision\": null"}) {
        EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
    }
    ibwgen::WaveSpec huge = counts;
    huge.type = 0x04;
    huge.exactValues[1] = 1e300;
    json = Dump(huge);
    EXPECT_NE(json.find("\"precision\": \"1 value lies beyond"), std::string::npos) << json;

    ibwgen::WaveSpec old;
    old.version = 2;
    old.bigEndian = true;
    old.values = {1, 2, 3};
    old.trailer = ibwgen::Trailer::None;
    int result = -1;
    json = Dump(old, &result);
    EXPECT_EQ(result, 0);
    for (const char* part : {"\"version\": 2", "\"byteOrder\": \"big\"", "\"points\": 3",
                             "\"refusal\": \"it holds a 1-D wave of 3 points\"", "\"channels\": []"}) {
        EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
    }
}

TEST(IbwDump, BytesInMemoryAreDescribedAsTheFile) {
    const std::vector<std::uint8_t> bytes = ibwgen::BuildWave(Described(true));
    IBWStream stream(bytes.data(), bytes.size());
    std::string json;
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(DumpWave(stream, &json), 0);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(json, Dump(Described(true)));
}

TEST(JsonQuote, EscapesAndConvertsWindows1252) {
    EXPECT_EQ(JsonQuote("a\"b\\c\n\r\t\x01"), "\"a\\\"b\\\\c\\n\\r\\t\\u0001\"");
    EXPECT_EQ(JsonQuote("\xB0\xB5\x80\x81"), "\"\xC2\xB0\xC2\xB5\xE2\x82\xAC\xC2\x81\"");
}

TEST(ParseWaveSpec, VersionTypeAndExactValues) {
    ibwgen::WaveSpec waveSpec;
    std::string error;
    ASSERT_TRUE(ibwgen::ParseWaveSpec(
        {"version=3", "type=0x20", "byteorder=big", "dims=3", "values=-5,16777217,7"}, &waveSpec, &error))
        << error;
    EXPECT_EQ(waveSpec.version, 3);
    EXPECT_EQ(waveSpec.type, 0x20);
    EXPECT_TRUE(waveSpec.bigEndian);
    EXPECT_EQ(waveSpec.exactValues, (std::vector<double>{-5, 16777217, 7}));
}

TEST(ParseWaveSpec, RejectsWhatItCannotUse) {
    for (const char* line : {"dims=1,2,3,4,5", "byteorder=middle", "spacing=x", "unknown=1", "dims=-1",
                             "preview=0x4", "trailer=KTZ9", "values=1,x"}) {
        ibwgen::WaveSpec waveSpec;
        std::string error;
        EXPECT_FALSE(ibwgen::ParseWaveSpec({line}, &waveSpec, &error)) << line;
        EXPECT_FALSE(error.empty());
    }
}

} // namespace
