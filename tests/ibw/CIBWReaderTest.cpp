// Opening instrument images: channels, units, the shared buffer and the files that are refused.
#include "ibw/CIBWReader.h"
#include "ibw/UnitForChannelName.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>

namespace {

using testfiles::ImageSpec;
using testfiles::TempFile;

ibwgen::WaveSpec ThreeLayers(bool big) {
    ibwgen::WaveSpec waveSpec = ImageSpec(256, 128, 3, big);
    waveSpec.dimLabels[2] = {"HeightRetrace", "AmplitudeRetrace", "PhaseRetrace"};
    waveSpec.note = "ScanSize: 2e-05\rDisplay Range 2: 40\r";
    return waveSpec;
}

TEST(CIBWReader, OpensALayeredImage) {
    for (bool big : {false, true}) {
        TempFile temp(ThreeLayers(big));
        CIBWReader reader;
        ASSERT_TRUE(reader.Open(temp.path()));
        ASSERT_EQ(reader.channelCount, 3);
        EXPECT_EQ(reader.pointCount, 256 * 128 * 3);
        const char* units[] = {"m", "m", "\xB0"};
        for (int k = 0; k < 3; ++k) {
            const CIBWChannel* c = reader.GetChannel(k);
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(c->columns, 256);
            EXPECT_EQ(c->rows, 128);
            EXPECT_EQ(c->points, 32768);
            EXPECT_EQ(c->zUnit, units[k]);
            EXPECT_EQ(c->xUnit, "m");
            EXPECT_EQ(c->yUnit, "m");
            EXPECT_DOUBLE_EQ(c->xExtent, 255 * 1e-8);
            EXPECT_DOUBLE_EQ(c->yExtent, 127 * 2e-8);
            EXPECT_EQ(c->xStart, -1e-6);
            EXPECT_EQ(c->yStart, 5e-7);
            EXPECT_EQ(c->data[5 + 3 * 256], static_cast<float>(k * 32768 + 5 + 3 * 256));
        }
        EXPECT_EQ(reader.GetChannel(1)->name, "AmplitudeRetrace");
        EXPECT_EQ(reader.GetChannel(2)->data,
                  reinterpret_cast<const float*>(reader.waveData.get()) + 2 * 32768);
        EXPECT_EQ(reader.GetChannel(3), nullptr);
        EXPECT_EQ(reader.GetChannel(-1), nullptr);
        EXPECT_EQ(reader.GetNoteValue("Display Range 2"), "40");

        reader.Close();
        EXPECT_EQ(reader.channelCount, 0);
        EXPECT_TRUE(reader.channels.empty());
        EXPECT_FALSE(reader.waveData);
        EXPECT_FALSE(reader.note);
        EXPECT_EQ(reader.GetNoteValue("ScanSize"), "");
    }
}

TEST(CIBWReader, WithoutTheTrailerTheSameLayersAreAWaveOfTheHeadersUnits) {
    ibwgen::WaveSpec waveSpec = ThreeLayers(false);
    waveSpec.trailer = ibwgen::Trailer::None;
    waveSpec.dataUnits = "m";
    TempFile temp(waveSpec);
    CIBWReader reader;
    ASSERT_TRUE(reader.Open(temp.path()));
    ASSERT_EQ(reader.channelCount, 3);
    EXPECT_EQ(reader.GetChannel(2)->name, "PhaseRetrace");
    EXPECT_EQ(reader.GetChannel(2)->zUnit, "m"); // the header's unit: no instrument to name one
    EXPECT_EQ(reader.GetChannel(2)->data[7], static_cast<float>(2 * 32768 + 7));
}

TEST(CIBWReader, ForceCurvesAndMissingFilesAreRefused) {
    ibwgen::WaveSpec waveSpec = ThreeLayers(false);
    waveSpec.trailer = ibwgen::Trailer::Force;
    TempFile temp(waveSpec);
    CIBWReader reader;
    EXPECT_FALSE(reader.Open(temp.path()));
    EXPECT_EQ(reader.channelCount, 0);
    EXPECT_FALSE(reader.note);
    EXPECT_FALSE(reader.Open("/nonexistent/file.ibw"));
    EXPECT_TRUE(reader.note); // only the note of the path is held
}

TEST(CIBWReader, OpeningAgainReplacesEverything) {
    TempFile three(ThreeLayers(false));
    ibwgen::WaveSpec twoLayers = ImageSpec(8, 4, 2);
    twoLayers.dimLabels[2] = {"ZSensorTrace", "UserIn0"};
    TempFile two(twoLayers, ".two.ibw");
    TempFile flat(ImageSpec(5, 0, 0), ".flat.ibw");
    CIBWReader reader;
    ASSERT_TRUE(reader.Open(three.path()));
    ASSERT_TRUE(reader.Open(two.path()));
    ASSERT_EQ(reader.channelCount, 2);
    EXPECT_EQ(reader.channels.size(), 2u);
    EXPECT_EQ(reader.GetChannel(1)->name, "UserIn0");
    EXPECT_EQ(reader.GetChannel(1)->data, reinterpret_cast<const float*>(reader.waveData.get()) + 32);
    EXPECT_EQ(reader.GetNoteValue("ScanSize"), "");
    // A refused file leaves nothing of the one before.
    EXPECT_FALSE(reader.Open(flat.path()));
    EXPECT_EQ(reader.channelCount, 0);
    EXPECT_TRUE(reader.channels.empty());
    EXPECT_FALSE(reader.waveData);
}

TEST(CIBWReader, BytesInMemoryOpenAsTheFileDoes) {
    for (bool big : {false, true}) {
        ibwgen::WaveSpec waveSpec = ThreeLayers(big);
        TempFile temp(waveSpec);
        CIBWReader fromFile;
        ASSERT_TRUE(fromFile.Open(temp.path()));
        CIBWReader fromMemory;
        {
            const std::vector<std::uint8_t> bytes = ibwgen::BuildWave(waveSpec);
            ASSERT_TRUE(fromMemory.OpenBytes(bytes.data(), bytes.size()));
        } // the bytes are gone; the channels hold their own copy
        ASSERT_EQ(fromMemory.channelCount, 3);
        for (int k = 0; k < 3; ++k) {
            const CIBWChannel* a = fromFile.GetChannel(k);
            const CIBWChannel* b = fromMemory.GetChannel(k);
            EXPECT_EQ(a->name, b->name);
            EXPECT_EQ(a->zUnit, b->zUnit);
            // Bit for bit, NaNs included.
            EXPECT_TRUE(std::equal(a->data, a->data + 32768, b->data, [](float x, float y) {
                return std::bit_cast<std::uint32_t>(x) == std::bit_cast<std::uint32_t>(y);
            }));
        }
        EXPECT_EQ(fromMemory.GetNoteValue("Display Range 2"), "40");
    }
}

TEST(CIBWReader, LayerWithoutLabelHasAnEmptyName) {
    ibwgen::WaveSpec waveSpec = ImageSpec(2, 2, 2);
    waveSpec.dimLabels[2] = {"PhaseTrace"};
    TempFile temp(waveSpec);
    CIBWReader reader;
    ASSERT_TRUE(reader.Open(temp.path()));
    EXPECT_EQ(reader.GetChannel(0)->zUnit, "\xB0");
    EXPECT_EQ(reader.GetChannel(1)->name, "");
    EXPECT_EQ(reader.GetChannel(1)->zUnit, "V");
}

TEST(UnitForChannelName, FirstMatchingSubstringDecides) {
    const std::pair<const char*, const char*> cases[] = {
        {"HeightRetrace", "m"},     {"ZSensorTrace", "m"},
        {"AmplitudeRetrace", "m"},  {"PhaseRetrace", "\xB0"},
        {"SurfacePotential", "V"},  {"CurrentTrace", "A"},
        {"FrequencyRetrace", "Hz"}, {"Capacitance", "F"},
        {"CountStiffness", ""},     {"YoungsModulus", "Pa"},
        {"Elasticity", "Pa"},       {"Stiffness", "N/m"},
        {"UserIn0", "V"},           {"", "V"},
        {"PHASEHEIGHT", "m"},       {"DeflectionRetrace", "m"},
        {"PhotonCount", ""},
    };
    for (const auto& [name, unit] : cases) {
        EXPECT_EQ(UnitForChannelName(name), unit) << name;
    }
}

} // namespace
