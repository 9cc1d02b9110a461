// The committed sample is exactly what samplegen writes, and reads as the image it describes.
#include "ibw/CIBWReader.h"
#include "tools/samplegen/SampleWave.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

namespace {

TEST(Sample, CommittedFileMatchesTheGenerator) {
    std::ifstream in(QV_SAMPLE_PATH, std::ios::binary);
    ASSERT_TRUE(in) << QV_SAMPLE_PATH;
    std::vector<std::uint8_t> committed((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
    EXPECT_TRUE(committed == ibwgen::BuildWave(SampleWave()))
        << "data/sample.ibw differs from the generator: run samplegen data/sample.ibw";
}

TEST(Sample, OpensWithFourLayersAndItsNote) {
    CIBWReader reader;
    ASSERT_TRUE(reader.Open(QV_SAMPLE_PATH));
    ASSERT_EQ(reader.channelCount, 4);
    const char* names[] = {"HeightRetrace", "AmplitudeRetrace", "PhaseRetrace", "ZSensorRetrace"};
    const char* units[] = {"m", "m", "\xB0", "m"};
    for (int k = 0; k < 4; ++k) {
        const CIBWChannel* c = reader.GetChannel(k);
        EXPECT_EQ(c->name, names[k]);
        EXPECT_EQ(c->zUnit, units[k]);
        EXPECT_EQ(c->columns, 512);
        EXPECT_EQ(c->rows, 512);
        EXPECT_NEAR(c->xExtent, 5e-6, 1e-18);
        EXPECT_EQ(c->xUnit, "m");
    }
    int nans = 0;
    for (int i = 0; i < 512 * 512; ++i) {
        nans += std::isnan(reader.GetChannel(0)->data[i]) ? 1 : 0;
    }
    EXPECT_EQ(nans, 60);
    EXPECT_EQ(reader.GetNoteValue("ScanSize"), "5e-06");
    EXPECT_EQ(reader.GetNoteValue("ImagingMode"), "1"); // the instrument writes 1 for AC mode
    EXPECT_EQ(reader.GetNoteValue("ColorMap 0"), "VioletOrangeYellow");
    EXPECT_EQ(reader.GetNoteValue("Display Range 2"), "20");
}

} // namespace
