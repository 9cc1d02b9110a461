// CIBWPreview on wave files written by the fixture writer: both footer versions, force curves,
// the channel fallback, zero-filled reads and damaged tails and sizes.
#include "shellext/CIBWPreview.h"
#include "shellext/RenderLoadedPreview.h"
#include "shellext/RenderPreviewImage.h"
#include "tests/ibw/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using testfiles::TempFile;

ibwgen::WaveSpec ImageWave(int version) {
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(4, 3, 2);
    ibwgen::ImagePreviewFooter footer;
    footer.version = version;
    footer.width = 2;
    footer.height = 2;
    footer.channelNames = {"Height", "Phase"};
    footer.pixels = {{1, 2, 3, 4}, {-1, -2, -128, 127}};
    waveSpec.imageFooter = footer;
    return waveSpec;
}

ibwgen::WaveSpec RawFooterWave(const std::string& text, ibwgen::Trailer trailer = ibwgen::Trailer::KTZ9W) {
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(2, 2, 1);
    waveSpec.trailer = trailer;
    waveSpec.rawFooterText = text;
    return waveSpec;
}

ibwgen::WaveSpec ForceWave(int curves) {
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(4, 1, 1);
    waveSpec.trailer = ibwgen::Trailer::Force;
    ibwgen::ForcePreviewFooter footer;
    footer.dataLength = 4;
    footer.extendLength = 3;
    footer.retractLength = 2;
    for (int c = 0; c < curves; ++c) {
        footer.curveNames.push_back("Curve" + std::to_string(c));
        footer.samples.push_back(
            {static_cast<std::uint8_t>(c), 128, 255, 0, static_cast<std::uint8_t>(10 + c)});
    }
    waveSpec.forceFooter = footer;
    return waveSpec;
}

// The file's bytes with the 6-character length field replaced.
std::vector<std::uint8_t> WithLengthField(std::vector<std::uint8_t> bytes, const char* field) {
    std::memcpy(bytes.data() + bytes.size() - 11, field, 6);
    return bytes;
}

TEST(CIBWPreview, ReadsBothImageFooterVersions) {
    for (int version : {1, 2}) {
        SCOPED_TRACE(version);
        ibwgen::WaveSpec waveSpec = ImageWave(version);
        TempFile file(waveSpec);
        CIBWPreview preview;
        ASSERT_EQ(preview.Load(file.path(), 1), kIBWPreviewImage);
        EXPECT_EQ(preview.GetKind(), kIBWPreviewImage);
        ASSERT_EQ(preview.GetChannelCount(), 2);
        const std::string suffix = version == 2 ? "FileStart" : "";
        EXPECT_EQ(preview.GetChannelName(0), "Height" + suffix);
        EXPECT_EQ(preview.GetChannelName(1), "Phase" + suffix);
        EXPECT_EQ(preview.GetChannelName(2), std::nullopt);
        EXPECT_EQ(preview.GetChannelName(-1), std::nullopt);

        const IBWPreviewDescriptor& d = *preview.GetDescriptor();
        EXPECT_EQ(d.footerVersion, 0);
        const auto base = static_cast<std::int32_t>(ibwgen::WaveSectionsSize(waveSpec));
        EXPECT_EQ(d.imageChannels[0].fileStart, base);
        EXPECT_EQ(d.imageChannels[1].fileStart, base + 4);
        for (const IBWImagePreview& c : d.imageChannels) {
            EXPECT_EQ(c.dataType, 1);
            EXPECT_EQ(c.width, 2);
            EXPECT_EQ(c.height, 2);
            EXPECT_EQ(c.dataLength, 4);
        }
        // Only the loaded channel holds data.
        EXPECT_TRUE(d.imageChannels[0].data.empty());
        EXPECT_EQ(d.imageChannels[1].data, (std::vector<std::int8_t>{-1, -2, -128, 127}));
        EXPECT_EQ(preview.GetLoadedChannel(), 1);
    }
}

TEST(CIBWPreview, ExactVersion2FooterText) {
    const std::string list = "NumberOfFiles:2;DataTypeList:Height,Phase,;HeightFileStart:1000;"
                             "PhaseFileStart:5096;Version:2;DataWidth:64;DataHeight:64;DataLength:4096;";
    TempFile file(RawFooterWave(list));
    CIBWPreview preview;
    ASSERT_EQ(preview.Load(file.path(), 0), kIBWPreviewImage);
    const IBWPreviewDescriptor& d = *preview.GetDescriptor();
    ASSERT_EQ(d.count, 2);
    EXPECT_EQ(d.imageChannels[0].name, "HeightFileStart");
    EXPECT_EQ(d.imageChannels[1].name, "PhaseFileStart");
    EXPECT_EQ(d.imageChannels[0].fileStart, 1000);
    EXPECT_EQ(d.imageChannels[1].fileStart, 5096);
    EXPECT_EQ(d.imageChannels[1].width, 64);
    EXPECT_EQ(d.imageChannels[1].height, 64);
    EXPECT_EQ(d.imageChannels[0].dataType, 0); // no DataType entry
    // The file is shorter than one preview of 4096 bytes, so none is loaded.
    EXPECT_TRUE(d.imageChannels[0].data.empty());
}

TEST(CIBWPreview, Version2WithoutFinalCommaNamesOnlyTheFirstChannel) {
    TempFile file(RawFooterWave("numberoffiles:2;DataTypeList:Height,Phase;HeightFileStart:1000;"
                                "PhaseFileStart:5096;Version:2;DataWidth:64;DataHeight:64;DataLength:4096;"));
    CIBWPreview preview;
    ASSERT_EQ(preview.Load(file.path(), 0), kIBWPreviewImage);
    const IBWPreviewDescriptor& d = *preview.GetDescriptor();
    ASSERT_EQ(d.count, 2);
    EXPECT_EQ(d.imageChannels[0].name, "HeightFileStart");
    EXPECT_EQ(d.imageChannels[0].fileStart, 1000);
    EXPECT_EQ(d.imageChannels[1].name, "");
    EXPECT_EQ(d.imageChannels[1].fileStart, 0);
}

TEST(CIBWPreview, OtherVersionsKeepNamesEmpty) {
    TempFile file(RawFooterWave("Version:3;NumberOfFiles:2;DataTypeList:A,B,;AFileStart:7;"));
    CIBWPreview preview;
    ASSERT_EQ(preview.Load(file.path(), 0), kIBWPreviewImage);
    EXPECT_EQ(preview.GetChannelName(0), "");
    EXPECT_EQ(preview.GetDescriptor()->imageChannels[0].fileStart, 0);
}

TEST(CIBWPreview, LongNamesAreCut) {
    const std::string name(200, 'n');
    TempFile file(RawFooterWave("Version:1;NumberOfFiles:1;" + name + ":5;"));
    CIBWPreview preview;
    ASSERT_EQ(preview.Load(file.path(), 0), kIBWPreviewImage);
    EXPECT_EQ(preview.GetChannelName(0), name.substr(0, 127));
    EXPECT_EQ(preview.GetDescriptor()->imageChannels[0].fileStart, 5);
}

TEST(CIBWPreview, ChannelOutsideTheDescriptorLoadsChannelZero) {
    TempFile file(ImageWave(2));
    for (int channel : {5, 2, -1}) {
        CIBWPreview preview;
        ASSERT_EQ(preview.Load(file.path(), channel), kIBWPreviewImage);
        EXPECT_EQ(preview.GetLoadedChannel(), 0);
        const IBWPreviewDescriptor& d = *preview.GetDescriptor();
        EXPECT_EQ(d.imageChannels[0].data, (std::vector<std::int8_t>{1, 2, 3, 4}));
        EXPECT_TRUE(d.imageChannels[1].data.empty());
    }
}

TEST(CIBWPreview, ReadsForceCurves) {
    ibwgen::WaveSpec waveSpec = ForceWave(2);
    TempFile file(waveSpec);
    CIBWPreview preview;
    ASSERT_EQ(preview.Load(file.path(), 1), kIBWPreviewForce);
    const IBWPreviewDescriptor& d = *preview.GetDescriptor();
    EXPECT_EQ(d.footerVersion, 1);
    ASSERT_EQ(d.count, 2);
    EXPECT_EQ(preview.GetChannelName(0), "Curve0");
    EXPECT_EQ(preview.GetChannelName(1), "Curve1");
    const IBWForcePreview& c = d.forceChannels[1];
    EXPECT_EQ(c.dataType, 1);
    EXPECT_EQ(c.forceDir, 1);
    EXPECT_EQ(c.dataLength, 4);
    EXPECT_EQ(c.extendLength, 3);
    EXPECT_EQ(c.retractLength, 2);
    EXPECT_EQ(c.extendStart, static_cast<std::int32_t>(ibwgen::WaveSectionsSize(waveSpec)) + 5);
    EXPECT_EQ(c.data, (std::vector<std::uint8_t>{1, 128, 255, 0, 11}));
    EXPECT_TRUE(d.forceChannels[0].data.empty());
}

TEST(CIBWPreview, ForceFieldDefaultsAndNames) {
    TempFile file(RawFooterWave("DataType:Byte;NumberOfFiles:3;DataTypes:Defl,Amp;ExtendStart1:0;"
                                "ExtendStart2:0;ExtendStart3:0;",
                                ibwgen::Trailer::Force));
    CIBWPreview preview;
    ASSERT_EQ(preview.Load(file.path(), 0), kIBWPreviewForce);
    const IBWPreviewDescriptor& d = *preview.GetDescriptor();
    EXPECT_EQ(d.footerVersion, 0);
    EXPECT_EQ(d.forceChannels[0].dataType, -1);
    EXPECT_EQ(d.forceChannels[0].forceDir, 1);
    EXPECT_EQ(d.forceChannels[0].name, "Defl");
    EXPECT_EQ(d.forceChannels[1].name, ""); // no comma after "Amp"
    EXPECT_EQ(d.forceChannels[2].name, "");
    EXPECT_TRUE(d.forceChannels[0].data.empty()); // no samples declared
}

TEST(CIBWPreview, FootersThatDescribeNothing) {
    const std::string image = "Version:2;DataWidth:2;DataHeight:2;DataLength:4;";
    struct Case {
        const char* what;
        std::string text;
        ibwgen::Trailer trailer;
    };
    const std::vector<Case> cases = {
        {"no NumberOfFiles", image + "DataTypeList:A,;AFileStart:0;", ibwgen::Trailer::KTZ9W},
        {"zero files", image + "NumberOfFiles:0;DataTypeList:A,;", ibwgen::Trailer::KTZ9W},
        {"negative files", image + "NumberOfFiles:-2;DataTypeList:A,;", ibwgen::Trailer::KTZ9W},
        {"empty DataTypeList", image + "NumberOfFiles:1;DataTypeList:;AFileStart:0;", ibwgen::Trailer::KTZ9W},
        {"no DataTypeList", image + "NumberOfFiles:1;AFileStart:0;", ibwgen::Trailer::KTZ9W},
        {"version 1 entry missing", "Version:1;NumberOfFiles:2;Height:100;", ibwgen::Trailer::KTZ9W},
        {"version 1 count written in lower case", "Version:1;numberoffiles:1;Height:100;",
         ibwgen::Trailer::KTZ9W},
        {"count beyond the footer", "Version:3;NumberOfFiles:2000000000;", ibwgen::Trailer::KTZ9W},
        {"force start of curve 3 missing",
         "NumberOfFiles:3;DataTypes:a,b,c,;ExtendStart1:10;ExtendStart2:20;", ibwgen::Trailer::Force},
        {"force start empty", "NumberOfFiles:1;ExtendStart1:;", ibwgen::Trailer::Force},
        {"force without NumberOfFiles", "ExtendStart1:10;", ibwgen::Trailer::Force},
    };
    for (const Case& c : cases) {
        TempFile file(RawFooterWave(c.text, c.trailer));
        CIBWPreview preview;
        EXPECT_EQ(preview.Load(file.path(), 0), kIBWPreviewNone) << c.what;
        EXPECT_EQ(preview.GetKind(), kIBWPreviewNone) << c.what;
        EXPECT_EQ(preview.GetChannelCount(), 0) << c.what;
        EXPECT_FALSE(preview.GetDescriptor().has_value()) << c.what;
    }
}

TEST(CIBWPreview, DamagedTailsGiveNoFooter) {
    const std::vector<std::uint8_t> force = ibwgen::BuildWave(ForceWave(1));
    const std::vector<std::uint8_t> image = ibwgen::BuildWave(ImageWave(2));
    std::vector<std::uint8_t> noTag = ibwgen::BuildWave(ImageWave(2));
    noTag.back() = 'w';
    const std::string tooLong = std::to_string(image.size() + 1);
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    const std::vector<Case> cases = {
        {"length 0", WithLengthField(force, "     0")},
        {"length without digits", WithLengthField(image, "      ")},
        {"negative length", WithLengthField(image, "   -20")},
        {"length beyond the file",
         WithLengthField(image, (std::string(6 - tooLong.size(), ' ') + tooLong).c_str())},
        {"no tag", noTag},
        {"shorter than the tail", {'1', '1', 'K', 'T', 'Z', '9', 'W'}},
        {"empty file", {}},
    };
    for (const Case& c : cases) {
        TempFile file(c.bytes);
        CIBWPreview preview;
        EXPECT_EQ(preview.Load(file.path(), 0), kIBWPreviewNone) << c.what;
    }
    CIBWPreview missing;
    EXPECT_EQ(missing.Load("/nonexistent/dir/file.ibw", 0), kIBWPreviewNone);
}

TEST(CIBWPreview, LoadReleasesThePreviousDescriptor) {
    TempFile good(ibwgen::BuildWave(ImageWave(2)), "_good.ibw");
    TempFile bad(ibwgen::BuildWave(RawFooterWave("Version:2;")), "_bad.ibw");
    CIBWPreview preview;
    ASSERT_EQ(preview.Load(good.path(), 0), kIBWPreviewImage);
    EXPECT_EQ(preview.Load(bad.path(), 0), kIBWPreviewNone);
    EXPECT_EQ(preview.GetChannelCount(), 0);
    EXPECT_EQ(preview.GetChannelName(0), std::nullopt);
}

TEST(CIBWPreview, HostileSpansAreNotLoaded) {
    // Each footer names a span that no file of this size can hold, or one that does not exist.
    struct Case {
        const char* what;
        std::string text;
        ibwgen::Trailer trailer;
    };
    const std::vector<Case> cases = {
        {"huge DataLength", "Version:1;NumberOfFiles:1;A:0;DataLength:2000000000;", ibwgen::Trailer::KTZ9W},
        {"negative DataLength", "Version:1;NumberOfFiles:1;A:0;DataLength:-4;", ibwgen::Trailer::KTZ9W},
        {"negative start", "Version:1;NumberOfFiles:1;A:-100;DataLength:4;", ibwgen::Trailer::KTZ9W},
        {"extend and retract overflow 32 bits",
         "NumberOfFiles:1;ExtendStart1:0;ExtendLength:2147483647;RetractLength:2147483647;",
         ibwgen::Trailer::Force},
        {"negative retract", "NumberOfFiles:1;ExtendStart1:0;ExtendLength:8;RetractLength:-4;",
         ibwgen::Trailer::Force},
    };
    for (const Case& c : cases) {
        TempFile file(RawFooterWave(c.text, c.trailer));
        CIBWPreview preview;
        ASSERT_NE(preview.Load(file.path(), 0), kIBWPreviewNone) << c.what;
        const IBWPreviewDescriptor& d = *preview.GetDescriptor();
        EXPECT_TRUE(d.kind == kIBWPreviewImage ? d.imageChannels[0].data.empty()
                                               : d.forceChannels[0].data.empty())
            << c.what;
    }
}

TEST(CIBWPreview, SpanPastTheEndReadsAsZeros) {
    TempFile far(ibwgen::BuildWave(RawFooterWave("Version:1;NumberOfFiles:1;A:1000000;DataLength:8;")),
                 "_far.ibw");
    CIBWPreview preview;
    ASSERT_EQ(preview.Load(far.path(), 0), kIBWPreviewImage);
    EXPECT_EQ(preview.GetDescriptor()->imageChannels[0].data, std::vector<std::int8_t>(8, 0));

    // A span over the last 4 bytes of the file, the end of the tag "KTZ9W", and 4 bytes beyond it.
    // The offset is written with leading zeros so that it does not change the file's size.
    auto footer = [](std::size_t offset) {
        char text[64];
        std::snprintf(text, sizeof text, "Version:1;NumberOfFiles:1;A:%06zu;DataLength:8;", offset);
        return std::string(text);
    };
    std::size_t size = ibwgen::BuildWave(RawFooterWave(footer(0))).size();
    TempFile edge(ibwgen::BuildWave(RawFooterWave(footer(size - 4))), "_edge.ibw");
    ASSERT_EQ(preview.Load(edge.path(), 0), kIBWPreviewImage);
    EXPECT_EQ(preview.GetDescriptor()->imageChannels[0].data,
              (std::vector<std::int8_t>{'T', 'Z', '9', 'W', 0, 0, 0, 0}));
}

TEST(CIBWPreview, LoadFooterReadsNoChannelData) {
    TempFile file(ImageWave(2));
    CIBWPreview preview;
    ASSERT_EQ(preview.LoadFooter(file.path()), kIBWPreviewImage);
    EXPECT_EQ(preview.GetChannelCount(), 2);
    EXPECT_EQ(preview.GetLoadedChannel(), -1);
    for (const IBWImagePreview& c : preview.GetDescriptor()->imageChannels) {
        EXPECT_TRUE(c.data.empty());
    }
}

TEST(CIBWPreview, ChannelsPastTheKeptRecordsHaveNoNameAndLoadChannelZero) {
    const int count = static_cast<int>(kIBWPreviewMaxRecords) + 10;
    std::string text =
        "Version:1;DataWidth:1;DataHeight:1;DataLength:1;NumberOfFiles:" + std::to_string(count) + ";";
    for (int c = 0; c < count; ++c) {
        text += "C" + std::to_string(c) + ":0;";
    }
    TempFile file(RawFooterWave(text));
    CIBWPreview preview;
    ASSERT_EQ(preview.Load(file.path(), count - 1), kIBWPreviewImage);
    EXPECT_EQ(preview.GetChannelCount(), count);
    EXPECT_EQ(preview.GetDescriptor()->imageChannels.size(), kIBWPreviewMaxRecords);
    EXPECT_EQ(preview.GetLoadedChannel(), 0);
    EXPECT_EQ(preview.GetChannelName(static_cast<int>(kIBWPreviewMaxRecords) - 1),
              "C" + std::to_string(kIBWPreviewMaxRecords - 1));
    EXPECT_EQ(preview.GetChannelName(count - 1), "");
    // A version-1 footer still needs every declared entry.
    text.resize(text.rfind("C"));
    TempFile cut(RawFooterWave(text), "_cut.ibw");
    EXPECT_EQ(preview.Load(cut.path(), 0), kIBWPreviewNone);
}

TEST(CIBWPreview, APreviewTooLargeToHoldDrawsAsTheHeldDataWould) {
    // Just over the bound: kept in the file and read row by row when drawn.
    const int side = 2100;
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(2, 2, 1);
    ibwgen::ImagePreviewFooter footer;
    footer.width = side;
    footer.height = side;
    footer.channelNames = {"Height"};
    std::vector<std::int8_t> pixels(static_cast<std::size_t>(side) * side);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<std::int8_t>(i * 7 + i / side);
    }
    footer.pixels = {pixels};
    waveSpec.imageFooter = footer;
    TempFile file(waveSpec);
    CIBWPreview preview;
    ASSERT_EQ(preview.Load(file.path(), 0), kIBWPreviewImage);
    const IBWImagePreview& record = preview.GetDescriptor()->imageChannels[0];
    ASSERT_GT(record.dataLength, kIBWPreviewHeldBytes);
    EXPECT_TRUE(record.data.empty());
    EXPECT_TRUE(record.dataInSource);
    for (ThumbnailSize size : {ThumbnailSize{256, 256}, ThumbnailSize{300, 120}, ThumbnailSize{0, 0}}) {
        std::optional<PaletteBitmap> drawn = RenderLoadedPreview(preview, size);
        std::optional<PaletteBitmap> expected = RenderPreviewImage(side, side, pixels, size);
        ASSERT_TRUE(drawn && expected);
        EXPECT_EQ(drawn->width, expected->width);
        EXPECT_EQ(drawn->pixels, expected->pixels);
    }
}

} // namespace
