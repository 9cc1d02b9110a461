// The general reading path: waves of every version, type and byte order read back with exactly
// the values written; two- and three-dimensional waves open as channels named by their layer
// labels or their wave name, with the header's units; what 32-bit floats cannot hold is told.
#include "ibw/CIBWReader.h"
#include "ibw/IBWWaveInfo.h"
#include "ibw/ReadIBWValues.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using testfiles::TempFile;

struct TypeCase {
    std::int16_t type;
    const char* name;
    std::vector<double> values; // each exact as a 32-bit float
};

const std::vector<TypeCase>& TypeCases() {
    static const std::vector<TypeCase> cases = {
        {0x08, "int8", {-128, -1, 0, 1, 100, 127}},
        {0x48, "uint8", {0, 1, 128, 200, 254, 255}},
        {0x10, "int16", {-32768, -1, 0, 1, 1000, 32767}},
        {0x50, "uint16", {0, 1, 32768, 40000, 65534, 65535}},
        {0x20, "int32", {-2147483648.0, -16777216, 0, 1, 16777216, 2147483520}},
        {0x60, "uint32", {0, 1, 16777216, 2147483648.0, 4294967040.0, 7}},
        {0x02, "float32", {-1.5, 0, 1e-30f, 3.25, 1e30f, -0.0}},
        {0x04, "float64", {-2.5, 0, 0.1f, 65504, -7, 1e-3f}},
    };
    return cases;
}

ibwgen::WaveSpec Wave(std::int16_t version, const TypeCase& c, bool big) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.version = version;
    waveSpec.type = c.type;
    waveSpec.bigEndian = big;
    waveSpec.waveName = "scan";
    waveSpec.dims = {3, 2, 0, 0};
    waveSpec.spacing = {2e-9, 3e-9, 1, 1};
    waveSpec.start = {-1e-6, 4e-7, 0, 0};
    waveSpec.dataUnits = "A";
    waveSpec.dimUnits = {"m", "nm", "", ""};
    waveSpec.exactValues = c.values;
    waveSpec.note = "Bias: 0.5\r";
    waveSpec.trailer = ibwgen::Trailer::None;
    return waveSpec;
}

void ExpectSameValues(const float* got, const std::vector<double>& want, const std::string& what) {
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i], static_cast<float>(want[i])) << what << " value " << i;
        EXPECT_EQ(std::signbit(got[i]), std::signbit(want[i])) << what << " value " << i;
    }
}

TEST(GeneralWave, EveryVersionTypeAndByteOrderReadsBackExactly) {
    for (std::int16_t version : {1, 2, 3, 5}) {
        for (const TypeCase& c : TypeCases()) {
            for (bool big : {false, true}) {
                const std::string what = "version " + std::to_string(version) + " " + c.name +
                                         (big ? " big-endian" : " little-endian");
                const std::vector<std::uint8_t> bytes = ibwgen::BuildWave(Wave(version, c, big));
                IBWStream stream(bytes.data(), bytes.size());
                IBWWaveInfo info;
                ::testing::internal::CaptureStdout();
                ASSERT_EQ(ReadIBWWaveInfo(stream, &info), 0) << what;
                IBWBuffer values;
                IBWPrecisionLoss loss;
                ASSERT_EQ(ReadIBWValues(stream, info, &values, &loss), 0) << what;
                EXPECT_EQ(::testing::internal::GetCapturedStdout(), "") << what;
                EXPECT_EQ(info.version, version);
                EXPECT_EQ(info.type, c.type);
                EXPECT_EQ(info.points, 6);
                EXPECT_EQ(info.name, "scan");
                EXPECT_EQ(info.dataUnits, "A");
                EXPECT_EQ(info.dimUnits[0], "m");
                EXPECT_EQ(info.spacing[0], 2e-9);
                EXPECT_EQ(info.start[0], -1e-6);
                ExpectSameValues(reinterpret_cast<const float*>(values.get()), c.values, what);
                EXPECT_EQ(PrecisionLossText(loss), "") << what;

                // Version 5 keeps both dimensions and opens as one channel; the others are 1-D.
                CIBWReader reader;
                ::testing::internal::CaptureStdout();
                const bool opened = reader.OpenBytes(bytes.data(), bytes.size());
                ::testing::internal::GetCapturedStdout();
                if (version != 5) {
                    EXPECT_FALSE(opened) << what;
                    EXPECT_EQ(reader.RefusalReason(), "it holds a 1-D wave of 6 points") << what;
                    continue;
                }
                ASSERT_TRUE(opened) << what << ": " << reader.RefusalReason();
                ASSERT_EQ(reader.channelCount, 1);
                const CIBWChannel* channel = reader.GetChannel(0);
                EXPECT_EQ(channel->columns, 3);
                EXPECT_EQ(channel->rows, 2);
                EXPECT_EQ(channel->name, "scan");
                EXPECT_EQ(channel->zUnit, "A");
                EXPECT_EQ(channel->xUnit, "m");
                EXPECT_EQ(channel->yUnit, "nm");
                EXPECT_DOUBLE_EQ(channel->xExtent, 2 * 2e-9);
                EXPECT_DOUBLE_EQ(channel->yExtent, 3e-9);
                EXPECT_EQ(channel->yStart, 4e-7);
                ExpectSameValues(channel->data, c.values, what);
                EXPECT_EQ(reader.GetNoteValue("Bias"), "0.5");
                EXPECT_EQ(reader.PrecisionNote(), "");
            }
        }
    }
}

TEST(GeneralWave, LayersAreNamedByTheirLabelsElseByTheWaveName) {
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(4, 3, 3, true);
    waveSpec.type = 0x10;
    waveSpec.waveName = "stm0042";
    waveSpec.dataUnits = "A";
    waveSpec.dimLabels[2] = {"Current", "", "CurrentRetrace"};
    waveSpec.trailer = ibwgen::Trailer::None;
    TempFile temp(waveSpec);
    CIBWReader reader;
    ASSERT_TRUE(reader.Open(temp.path())) << reader.RefusalReason();
    ASSERT_EQ(reader.channelCount, 3);
    const char* names[] = {"Current", "stm0042 1", "CurrentRetrace"};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(reader.GetChannel(k)->name, names[k]);
        EXPECT_EQ(reader.GetChannel(k)->zUnit, "A"); // the header's, not one guessed from the name
        EXPECT_EQ(reader.GetChannel(k)->data[5], static_cast<float>(k * 12 + 5));
    }
    EXPECT_EQ(reader.GetChannel(2)->data, reinterpret_cast<const float*>(reader.waveData.get()) + 24);
}

TEST(GeneralWave, ExtendedUnitsReplaceTheHeadersShortOnes) {
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(2, 2, 0);
    waveSpec.trailer = ibwgen::Trailer::None;
    waveSpec.dataUnits = "cou";
    waveSpec.extendedDataUnits = "counts";
    waveSpec.extendedDimUnits = {"micron", "", "", ""};
    waveSpec.note = "a: b\r";
    waveSpec.dimLabels[0] = {"c0", "c1"};
    TempFile temp(waveSpec);
    CIBWReader reader;
    ASSERT_TRUE(reader.Open(temp.path())) << reader.RefusalReason();
    EXPECT_EQ(reader.GetChannel(0)->zUnit, "counts");
    EXPECT_EQ(reader.GetChannel(0)->xUnit, "micron");
    EXPECT_EQ(reader.GetChannel(0)->yUnit, "m");
    EXPECT_EQ(reader.note->dimLabels[0][1], "c1"); // the labels behind the units are found
}

TEST(GeneralWave, PrecisionThatFloatsCannotKeepIsTold) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    struct Case {
        std::int16_t type;
        std::vector<double> values;
        std::vector<float> shown;
        const char* note;
    } cases[] = {
        {0x04,
         {1e300, -1e300, 1e-300, 1.0, 0, 2},
         {kInf, -kInf, 0, 1, 0, 2},
         "2 values lie beyond the 32-bit float range and show as infinite (largest magnitude 1e+300); "
         "1 value is too small for a 32-bit float and shows as 0"},
        {0x20,
         {16777217, -16777217, 2147483647, 16777216, 0, 1},
         {16777216, -16777216, 2147483648.0f, 16777216, 0, 1},
         "3 integers exceed 2^24 = 16777216 and show rounded to a 32-bit float (largest magnitude "
         "2147483647)"},
        {0x60,
         {4294967295.0, 0, 1, 2, 3, 4},
         {4294967296.0f, 0, 1, 2, 3, 4},
         "1 integer exceeds 2^24 = 16777216 and shows rounded to a 32-bit float (largest magnitude "
         "4294967295)"},
        {0x04, {HUGE_VAL, -HUGE_VAL, NAN, 3.4e38, 0, 0}, {kInf, -kInf, NAN, 3.4e38f, 0, 0}, ""},
    };
    for (const Case& c : cases) {
        for (bool big : {false, true}) {
            ibwgen::WaveSpec waveSpec = Wave(5, {c.type, "", c.values}, big);
            TempFile temp(waveSpec);
            CIBWReader reader;
            ASSERT_TRUE(reader.Open(temp.path()));
            EXPECT_EQ(reader.PrecisionNote(), c.note);
            for (std::size_t i = 0; i < c.shown.size(); ++i) {
                const float got = reader.GetChannel(0)->data[i];
                EXPECT_TRUE(got == c.shown[i] || (std::isnan(got) && std::isnan(c.shown[i]))) << i;
            }
        }
    }
}

TEST(GeneralWave, TheTrailerAloneDoesNotMakeAnInstrumentImage) {
    // A float wave of the instrument's trailer in two dimensions, or of another type, is read by
    // the general path; the note keeps the instrument's layer names out of it.
    ibwgen::WaveSpec flat = testfiles::ImageSpec(4, 3, 0);
    ibwgen::WaveSpec doubles = testfiles::ImageSpec(4, 3, 2);
    doubles.type = 0x04;
    doubles.dimLabels[2] = {"HeightRetrace", "PhaseRetrace"};
    for (const ibwgen::WaveSpec* waveSpec : {&flat, &doubles}) {
        TempFile temp(*waveSpec);
        CIBWReader reader;
        ASSERT_TRUE(reader.Open(temp.path())) << reader.RefusalReason();
        EXPECT_EQ(reader.channelCount, std::max(waveSpec->dims[2], 1));
        EXPECT_EQ(reader.GetChannel(0)->zUnit, "");
        EXPECT_EQ(reader.GetChannel(0)->data[11], 11.0f);
    }
}

} // namespace
