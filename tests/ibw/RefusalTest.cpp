// What the viewer cannot show is named: each kind of wave, and each kind of damage, gives its
// reason, and nothing of the file is held after the refusal.
#include "ibw/CIBWReader.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

using testfiles::ImageSpec;
using testfiles::TempFile;

ibwgen::WaveSpec Plain(std::array<std::int32_t, 4> dims) {
    ibwgen::WaveSpec waveSpec = ImageSpec(1, 1, 0);
    waveSpec.dims = dims;
    std::int64_t points = 1;
    for (std::int32_t d : dims) {
        points *= d > 0 ? d : 1;
    }
    waveSpec.values.assign(dims[0] == 0 ? 0 : static_cast<std::size_t>(points), 1.5f);
    waveSpec.trailer = ibwgen::Trailer::None;
    return waveSpec;
}

std::vector<std::uint8_t> Cut(const ibwgen::WaveSpec& waveSpec, std::size_t end) {
    std::vector<std::uint8_t> bytes = ibwgen::BuildWave(waveSpec);
    bytes.resize(end);
    return bytes;
}

struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* reason;
};

std::vector<Case> Cases() {
    std::vector<Case> cases;
    auto add = [&](const char* name, const ibwgen::WaveSpec& waveSpec, const char* reason) {
        cases.push_back({name, ibwgen::BuildWave(waveSpec), reason});
    };
    add("1-D", Plain({1000, 0, 0, 0}), "it holds a 1-D wave of 1000 points");
    // Sizes behind the first empty dimension do not count, however large or negative.
    add("1-D with sizes behind", Plain({2, 0, 5, -3}), "it holds a 1-D wave of 2 points");
    ibwgen::WaveSpec force = Plain({1261, 3, 0, 0});
    force.dimLabels[1] = {"Raw", "Defl", "ZSnsr"};
    force.trailer = ibwgen::Trailer::Force;
    add("force curve", force, "it holds a force curve of 1261 points in 3 channels");
    ibwgen::WaveSpec single = Plain({5, 0, 0, 0});
    single.trailer = ibwgen::Trailer::Force;
    add("force curve of one channel", single, "it holds a force curve of 5 points in 1 channel");
    ibwgen::WaveSpec text = Plain({4, 0, 0, 0});
    text.type = 0;
    text.values.clear();
    text.rawData = {'a', 'b', 'c', 'd'};
    add("text", text, "it holds a text wave");
    ibwgen::WaveSpec complexWave = Plain({4, 4, 0, 0});
    complexWave.type = 0x03;
    complexWave.values.resize(32);
    add("complex", complexWave, "it holds a complex wave");
    add("empty", Plain({0, 0, 0, 0}), "it holds an empty wave");
    add("4-D", Plain({2, 3, 2, 2}), "it holds a 4-D wave of 2 x 3 x 2 x 2 points");
    for (std::int16_t type : {0x06, 0x42, 0x82}) {
        ibwgen::WaveSpec odd = Plain({2, 2, 0, 0});
        odd.type = type;
        odd.values.clear();
        odd.rawData.assign(16, 0);
        odd.pointCount = 4;
        cases.push_back({"undefined type", ibwgen::BuildWave(odd),
                         type == 0x06 ? "its data type 0x6 is not one the Igor binary wave format defines"
                         : type == 0x42
                             ? "its data type 0x42 is not one the Igor binary wave format defines"
                             : "its data type 0x82 is not one the Igor binary wave format defines"});
    }
    ibwgen::WaveSpec old = Plain({6, 0, 0, 0});
    old.version = 2;
    add("version 2", old, "it holds a 1-D wave of 6 points");

    ibwgen::WaveSpec broken = Plain({4, 4, 0, 0});
    broken.checksumDelta = 1;
    add("checksum", broken, "its header checksum is wrong, so it is damaged or not an Igor binary wave");
    cases.push_back({"empty file", {}, "it is empty"});
    cases.push_back({"three bytes", {5, 0, 0}, "it is not an Igor binary wave"});
    ibwgen::WaveSpec four = Plain({4, 4, 0, 0});
    four.version = 4;
    add("version 4", four, "it is not an Igor binary wave");
    ibwgen::WaveSpec image = Plain({64, 64, 0, 0});
    image.note = "ScanSize: 1e-06\r";
    cases.push_back({"cut in the data", Cut(image, 384 + 1000),
                     "it is cut short: its wave data extends past the end of the file"});
    cases.push_back({"cut in the note", Cut(image, 384 + 64 * 64 * 4 + 4),
                     "it is cut short: its note or dimension labels extend past the end of the file"});
    ibwgen::WaveSpec layers = Plain({4, 4, 2, 0});
    layers.pointCount = 16;
    add("layers past the data", layers, "it is damaged: its dimensions hold more points than the wave");
    ibwgen::WaveSpec small = Plain({4, 4, 0, 0});
    small.waveSize = 320 + 8;
    add("wave size too small", small,
        "it is damaged: its header gives the wave data less room than the data takes");
    return cases;
}

TEST(Refusal, EachKindAndEachDamageIsNamed) {
    for (const Case& c : Cases()) {
        TempFile temp(c.bytes);
        CIBWReader reader;
        ::testing::internal::CaptureStdout();
        const bool opened = reader.Open(temp.path());
        const std::string output = ::testing::internal::GetCapturedStdout();
        EXPECT_FALSE(opened) << c.name;
        EXPECT_EQ(reader.RefusalReason(), c.reason) << c.name;
        EXPECT_EQ(reader.channelCount, 0) << c.name;
        EXPECT_FALSE(reader.waveData) << c.name;
        EXPECT_FALSE(reader.note) << c.name;
        // Damage has its diagnostic line; a wave read without fault has none.
        const std::string reason = c.reason;
        const bool readWithoutFault = reason.starts_with("it holds") || reason.starts_with("its data type");
        EXPECT_EQ(output.empty(), readWithoutFault) << c.name << ": " << output;

        CIBWReader fromMemory;
        ::testing::internal::CaptureStdout();
        EXPECT_FALSE(fromMemory.OpenBytes(c.bytes.data(), c.bytes.size())) << c.name;
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), output) << c.name;
        EXPECT_EQ(fromMemory.RefusalReason(), c.reason) << c.name;
    }
}

TEST(Refusal, AFileThatCannotBeOpenedKeepsOnlyAnEmptyNote) {
    CIBWReader reader;
    EXPECT_FALSE(reader.Open("/nonexistent/folder/scan.ibw"));
    EXPECT_EQ(reader.RefusalReason(), "it could not be opened (No such file or directory)");
    ASSERT_TRUE(reader.note);
    EXPECT_TRUE(reader.note->pairs.empty());
}

TEST(Refusal, ASuccessfulOpenClearsTheReasonAndCloseKeepsIt) {
    TempFile good(ImageSpec(2, 2, 1));
    TempFile bad(Plain({3, 0, 0, 0}), ".bad.ibw");
    CIBWReader reader;
    EXPECT_FALSE(reader.Open(bad.path()));
    reader.Close();
    EXPECT_EQ(reader.RefusalReason(), "it holds a 1-D wave of 3 points");
    EXPECT_TRUE(reader.Open(good.path()));
    EXPECT_EQ(reader.RefusalReason(), "");
}

} // namespace
