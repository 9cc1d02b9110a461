// Checks the fixture writer against the file layout directly, without the reader.
#include "tools/ibwgen/IbwGen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at, bool big) {
    return big ? std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 | std::uint32_t(b[at + 2]) << 8 |
                     b[at + 3]
               : std::uint32_t(b[at + 3]) << 24 | std::uint32_t(b[at + 2]) << 16 |
                     std::uint32_t(b[at + 1]) << 8 | b[at];
}

std::string Tail(const std::vector<std::uint8_t>& b, std::size_t n) {
    return std::string(b.end() - static_cast<std::ptrdiff_t>(n), b.end());
}

ibwgen::WaveSpec ThreeByTwo(bool big) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.bigEndian = big;
    waveSpec.dims = {3, 2, 1, 0};
    waveSpec.values = {1, 2, 3, 4, 5, 6};
    waveSpec.note = "ScanSize: 2e-05\r";
    waveSpec.dimLabels[2] = {"HeightRetrace"};
    return waveSpec;
}

TEST(IbwGen, HeadersChecksumToZeroInBothByteOrders) {
    for (bool big : {false, true}) {
        std::vector<std::uint8_t> b = ibwgen::BuildWave(ThreeByTwo(big));
        std::uint16_t sum = 0;
        for (std::size_t i = 0; i < 384; i += 2) {
            sum = static_cast<std::uint16_t>(sum + (big ? b[i] << 8 | b[i + 1] : b[i + 1] << 8 | b[i]));
        }
        EXPECT_EQ(sum, 0) << big;
        EXPECT_EQ(b[big ? 1 : 0], 5);
        EXPECT_EQ(U32(b, 4, big), 320u + 24u); // wave size
        EXPECT_EQ(U32(b, 12, big), 16u);       // note size
        EXPECT_EQ(U32(b, 36 + 8, big), 64u);   // dimension-2 labels: name + one label
        EXPECT_EQ(U32(b, 64 + 12, big), 6u);   // points
        float third = 0;
        std::uint32_t bits = U32(b, 384 + 8, big);
        std::memcpy(&third, &bits, 4);
        EXPECT_EQ(third, 3.0f);
        EXPECT_EQ(b.size(), ibwgen::WaveSectionsSize(ThreeByTwo(big)) + 5);
        EXPECT_EQ(Tail(b, 5), "KTZ9W");
    }
}

TEST(IbwGen, OldVersionsHaveTheirOwnHeadersAndSections) {
    struct Layout {
        std::int16_t version;
        std::size_t binSize; // the checksum is the binary header's last field
        bool note;
        bool formula;
    } layouts[] = {{1, 8, false, false}, {2, 16, true, false}, {3, 20, true, true}};
    for (const Layout& l : layouts) {
        for (bool big : {false, true}) {
            ibwgen::WaveSpec waveSpec;
            waveSpec.version = l.version;
            waveSpec.bigEndian = big;
            waveSpec.type = 0x10;
            waveSpec.waveName = "trace";
            waveSpec.dataUnits = "V";
            waveSpec.dimUnits[0] = "s";
            waveSpec.exactValues = {-2, 300};
            waveSpec.note = "n:1\r";
            waveSpec.formula = "x";
            waveSpec.trailer = ibwgen::Trailer::None;
            const std::vector<std::uint8_t> b = ibwgen::BuildWave(waveSpec);
            const std::size_t h = l.binSize; // the wave header
            std::uint16_t sum = 0;
            for (std::size_t i = 0; i < h + 110 + 16; i += 2) {
                sum = static_cast<std::uint16_t>(sum + (big ? b[i] << 8 | b[i + 1] : b[i + 1] << 8 | b[i]));
            }
            EXPECT_EQ(sum, 0) << l.version;
            EXPECT_EQ(b[big ? 1 : 0], l.version);
            EXPECT_EQ(U32(b, 2, big), 110u + 4u + 16u); // wave size: header, data, padding
            EXPECT_EQ(b[h + (big ? 1 : 0)], 0x10);      // type
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[h + 6])), "trace");
            EXPECT_EQ(b[h + 34], 'V');
            EXPECT_EQ(b[h + 38], 's');
            EXPECT_EQ(U32(b, h + 42, big), 2u); // points
            const std::size_t data = h + 110;
            EXPECT_EQ(big ? b[data + 2] << 8 | b[data + 3] : b[data + 3] << 8 | b[data + 2], 300);
            const std::size_t after = data + 4 + 16;
            EXPECT_EQ(b.size(), after + (l.note ? 4 : 0) + (l.formula ? 1 : 0));
            EXPECT_EQ(b.size(), ibwgen::WaveSectionsSize(waveSpec));
            if (l.note) {
                EXPECT_EQ(U32(b, 6, big), 4u);
                EXPECT_EQ(std::string(b.begin() + static_cast<std::ptrdiff_t>(after),
                                      b.begin() + static_cast<std::ptrdiff_t>(after) + 4),
                          "n:1\r");
            }
            if (l.formula) {
                EXPECT_EQ(U32(b, 10, big), 1u);
                EXPECT_EQ(b.back(), 'x');
            }
        }
    }
}

TEST(IbwGen, ChecksumDeltaBreaksTheSum) {
    ibwgen::WaveSpec waveSpec = ThreeByTwo(false);
    waveSpec.checksumDelta = 1;
    std::vector<std::uint8_t> b = ibwgen::BuildWave(waveSpec);
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < 384; i += 2) {
        sum = static_cast<std::uint16_t>(sum + (b[i + 1] << 8 | b[i]));
    }
    EXPECT_EQ(sum, 1);
}

TEST(IbwGen, ImageFooterVersion2NamesThePreviewOffsets) {
    ibwgen::WaveSpec waveSpec = ThreeByTwo(false);
    ibwgen::ImagePreviewFooter f;
    f.width = 2;
    f.height = 2;
    f.channelNames = {"Height", "Phase"};
    f.pixels = {{1, 2, 3, 4}, {-5, -6, -7, -8}};
    waveSpec.imageFooter = f;
    std::vector<std::uint8_t> b = ibwgen::BuildWave(waveSpec);
    std::size_t base = ibwgen::WaveSectionsSize(waveSpec);
    std::string text = "Version:2;DataType:Byte;DataWidth:2;DataHeight:2;DataLength:4;NumberOfFiles:2;"
                       "DataTypeList:Height,Phase,;HeightFileStart:" +
                       std::to_string(base) + ";PhaseFileStart:" + std::to_string(base + 4) + ";";
    EXPECT_EQ(ibwgen::FooterText(waveSpec), text);
    char length[8];
    std::snprintf(length, sizeof length, "%6zu", text.size() + 11);
    EXPECT_EQ(Tail(b, text.size() + 11), text + length + "KTZ9W");
    EXPECT_EQ(b[base + 4], static_cast<std::uint8_t>(-5));
    EXPECT_EQ(b.size(), base + 8 + text.size() + 11);
}

TEST(IbwGen, ImageFooterVersion1AndForceFooter) {
    ibwgen::WaveSpec waveSpec = ThreeByTwo(true);
    ibwgen::ImagePreviewFooter f;
    f.version = 1;
    f.width = 4;
    f.height = 1;
    f.channelNames = {"Height"};
    waveSpec.imageFooter = f;
    std::string base = std::to_string(ibwgen::WaveSectionsSize(waveSpec));
    EXPECT_EQ(ibwgen::FooterText(waveSpec),
              "Version:1;DataType:Byte;DataWidth:4;DataHeight:1;DataLength:4;NumberOfFiles:1;Height:" + base +
                  ";");

    ibwgen::WaveSpec force = ThreeByTwo(false);
    force.trailer = ibwgen::Trailer::Force;
    ibwgen::ForcePreviewFooter ff;
    ff.dataLength = 3;
    ff.extendLength = 2;
    ff.retractLength = 1;
    ff.curveNames = {"Defl", "ZSnsr"};
    ff.samples = {{10, 20, 30}, {40, 50, 60}};
    force.forceFooter = ff;
    std::size_t start = ibwgen::WaveSectionsSize(force);
    EXPECT_EQ(ibwgen::FooterText(force),
              "DataType:UByte;FooterVersion:1;ForceDir:1;DataLength:3;ExtendLength:2;RetractLength:1;"
              "NumberOfFiles:2;DataTypes:Defl,ZSnsr,;ExtendStart1:" +
                  std::to_string(start) + ";ExtendStart2:" + std::to_string(start + 3) + ";");
    std::vector<std::uint8_t> b = ibwgen::BuildWave(force);
    EXPECT_EQ(b[start + 3], 40);
    EXPECT_EQ(Tail(b, 5), "Force");
}

} // namespace
