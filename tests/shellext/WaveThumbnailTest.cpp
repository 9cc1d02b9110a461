// Thumbnails of waves without a preview footer, drawn from the first channel's data: the greys of
// every numeric type in either byte order, NaN and infinities, the first layer only, the same
// orientation as a footer made from the same data, the footer's precedence, what is read, and
// no picture for damaged headers or waves that are no image.
#include "shellext/CIBWPreview.h"
#include "shellext/CMemoryByteSource.h"
#include "shellext/RenderFirstChannel.h"
#include "shellext/RenderLoadedPreview.h"
#include "tests/ibw/TestFiles.h"
#include "tests/support/CountingByteSource.h"
#include "tools/ibwgen/ImagePreview.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The bytes stay alive with the source the preview keeps.
struct MemoryWave {
    std::vector<std::uint8_t> bytes;
    std::shared_ptr<CByteSource> source;
    CIBWPreview preview;

    explicit MemoryWave(std::vector<std::uint8_t> fileBytes) : bytes(std::move(fileBytes)) {
        source = std::make_shared<CMemoryByteSource>(bytes.data(), bytes.size());
        preview.Load(source, 0);
    }
};

ibwgen::WaveSpec PlainWave(std::array<std::int32_t, 4> dims, std::vector<double> values) {
    ibwgen::WaveSpec waveSpec;
    waveSpec.dims = dims;
    waveSpec.exactValues = std::move(values);
    waveSpec.trailer = ibwgen::Trailer::None;
    return waveSpec;
}

// The palette indices of the stored rows, bottom row first, without the rows' padding.
std::vector<int> Indices(const PaletteBitmap& bitmap) {
    std::vector<int> indices;
    for (std::int32_t y = 0; y < bitmap.height; ++y) {
        for (std::int32_t x = 0; x < bitmap.width; ++x) {
            indices.push_back(bitmap.At(x, y));
        }
    }
    return indices;
}

TEST(WaveThumbnail, EveryTypeAndByteOrderGoesFromBlackAtTheMinimumToWhiteAtTheMaximum) {
    // 4 x 2, row 0 (the bottom one) first: 10 is black, 80 white, the rest evenly between.
    const std::vector<double> values = {10, 20, 30, 40, 50, 60, 70, 80};
    const std::vector<int> greys = {0, 36, 73, 109, 146, 182, 219, 255};
    for (std::int16_t type : {0x02, 0x04, 0x08, 0x48, 0x10, 0x50, 0x20, 0x60}) {
        for (bool bigEndian : {false, true}) {
            ibwgen::WaveSpec waveSpec = PlainWave({4, 2, 0, 0}, values);
            waveSpec.type = type;
            waveSpec.bigEndian = bigEndian;
            MemoryWave wave(ibwgen::BuildWave(waveSpec));
            const std::string what =
                "type " + std::to_string(type) + (bigEndian ? ", big-endian" : ", little-endian");
            std::optional<PaletteBitmap> own = RenderFirstChannel(wave.preview, {0, 0});
            ASSERT_TRUE(own) << what;
            EXPECT_EQ(own->width, 4) << what;
            EXPECT_EQ(own->height, 2) << what;
            EXPECT_EQ(Indices(*own), greys) << what;
            EXPECT_EQ(own->palette[255], 0xFFFFFFu) << what;
        }
    }
}

TEST(WaveThumbnail, NaNAndInfinitiesAreWhiteAndOnlyTheFirstLayerCounts) {
    // Layer 0 has NaN and both infinities among 1, 3 and 5; layer 1 holds values far outside.
    const std::vector<double> layers = {1, kNaN, 3, kInfinity, 5, -kInfinity, -1000, 1000, 0, 0, 0, 0};
    for (std::int16_t type : {0x02, 0x04}) {
        ibwgen::WaveSpec waveSpec = PlainWave({3, 2, 2, 0}, layers);
        waveSpec.type = type;
        MemoryWave typed(ibwgen::BuildWave(waveSpec));
        std::optional<PaletteBitmap> own = RenderFirstChannel(typed.preview, {0, 0});
        ASSERT_TRUE(own) << type;
        EXPECT_EQ(Indices(*own), (std::vector<int>{0, 255, 128, 255, 255, 255})) << type;
    }
    // A double beyond the float range is infinite as the viewer holds it: white, out of the range.
    ibwgen::WaveSpec huge = PlainWave({2, 2, 0, 0}, {1e300, 2, 4, -1e300});
    huge.type = 0x04;
    MemoryWave wave(ibwgen::BuildWave(huge));
    std::optional<PaletteBitmap> own = RenderFirstChannel(wave.preview, {0, 0});
    ASSERT_TRUE(own);
    EXPECT_EQ(Indices(*own), (std::vector<int>{255, 0, 255, 255}));
    // Nothing finite and a flat wave: all white, all black.
    MemoryWave empty(ibwgen::BuildWave(PlainWave({2, 1, 0, 0}, {kNaN, kNaN})));
    EXPECT_EQ(Indices(*RenderFirstChannel(empty.preview, {0, 0})), (std::vector<int>{255, 255}));
    MemoryWave flat(ibwgen::BuildWave(PlainWave({2, 1, 0, 0}, {7, 7})));
    EXPECT_EQ(Indices(*RenderFirstChannel(flat.preview, {0, 0})), (std::vector<int>{0, 0}));
}

TEST(WaveThumbnail, LiesAsAFooterPreviewOfTheSameData) {
    // Asymmetric in x and y, so a flip or a transposition shows.
    constexpr int kColumns = 64;
    constexpr int kRows = 48;
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(kColumns, kRows, 2);
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            waveSpec.values[static_cast<std::size_t>(y * kColumns + x)] = static_cast<float>(x * x + 50 * y);
        }
    }
    waveSpec.trailer = ibwgen::Trailer::None;
    MemoryWave data(ibwgen::BuildWave(waveSpec));
    ibwgen::ImagePreviewFooter footer;
    footer.width = kColumns;
    footer.height = kRows;
    footer.channelNames = {"Height", "Phase"};
    footer.pixels = {ibwgen::MakeImagePreview(waveSpec.values.data(), kColumns, kRows, kColumns, kRows),
                     std::vector<std::int8_t>(kColumns * kRows, 0)};
    waveSpec.trailer = ibwgen::Trailer::KTZ9W;
    waveSpec.imageFooter = footer;
    MemoryWave withFooter(ibwgen::BuildWave(waveSpec));
    ASSERT_EQ(withFooter.preview.GetKind(), kIBWPreviewImage);

    // Sizes that show every value whole, so both take the same range.
    for (ThumbnailSize size : {ThumbnailSize{0, 0}, ThumbnailSize{128, 128}, ThumbnailSize{200, 160}}) {
        std::optional<PaletteBitmap> fromData = RenderFirstChannel(data.preview, size);
        std::optional<PaletteBitmap> fromFooter = RenderFirstChannel(withFooter.preview, size);
        ASSERT_TRUE(fromData && fromFooter) << size.cx;
        EXPECT_EQ(fromData->width, fromFooter->width) << size.cx;
        EXPECT_EQ(Indices(*fromData), Indices(*fromFooter)) << size.cx << " x " << size.cy;
    }
    std::optional<PaletteBitmap> own = RenderFirstChannel(data.preview, {0, 0});
    EXPECT_EQ(own->At(0, 0), 0);                      // value 0: data row 0, column 0 at the bottom left
    EXPECT_EQ(own->At(kColumns - 1, kRows - 1), 255); // the largest value at the top right
    EXPECT_LT(own->At(kColumns - 1, 0), 255);
    // The fitted size keeps the wave's shape, as it does a footer's.
    EXPECT_EQ(FitFirstChannel(data.preview, 96).cx, FitFirstChannel(withFooter.preview, 96).cx);
    EXPECT_EQ(FitFirstChannel(data.preview, 96).cy, 72);
}

TEST(WaveThumbnail, TheFooterStaysTheFirstChoice) {
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(8, 8, 1);
    ibwgen::ImagePreviewFooter footer;
    footer.width = 4;
    footer.height = 4;
    footer.channelNames = {"Height"};
    footer.pixels = {std::vector<std::int8_t>(16, -128)};
    waveSpec.imageFooter = footer;
    MemoryWave wave(ibwgen::BuildWave(waveSpec));
    std::optional<PaletteBitmap> thumbnail = RenderFirstChannel(wave.preview, {0, 0});
    ASSERT_TRUE(thumbnail);
    EXPECT_EQ(thumbnail->width, 4); // the footer's picture, not the 8 x 8 ramp of the data
    EXPECT_EQ(Indices(*thumbnail), std::vector<int>(16, 0));
}

TEST(WaveThumbnail, ReadsOnlyTheRowsItSamples) {
    // 1024 x 1024 floats (4 MB), a thumbnail of 64 x 64: 64 rows of 4 KB at most, plus the headers.
    ibwgen::WaveSpec waveSpec = testfiles::ImageSpec(1024, 1024, 1);
    waveSpec.trailer = ibwgen::Trailer::None;
    const std::vector<std::uint8_t> bytes = ibwgen::BuildWave(waveSpec);
    auto counted = std::make_shared<CCountingByteSource>(
        std::make_shared<CMemoryByteSource>(bytes.data(), bytes.size()));
    CIBWPreview preview;
    preview.Load(counted, 0);
    const std::uint64_t footerBytes = counted->bytes;
    std::optional<PaletteBitmap> thumbnail = RenderFirstChannel(preview, {64, 64});
    ASSERT_TRUE(thumbnail);
    EXPECT_LE(counted->bytes - footerBytes, 64u * 4096u + 1024u);
    EXPECT_LE(counted->calls, 80u);
    // The top row shown is the data's top row; every 16th row and column is sampled.
    EXPECT_EQ(thumbnail->At(63, 63), 255);
    EXPECT_EQ(thumbnail->At(0, 0), 0);
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

TEST(WaveThumbnail, DamagedHeadersAndWavesThatAreNoImageGiveNothing) {
    auto wave = [](auto change) {
        ibwgen::WaveSpec waveSpec = PlainWave({4, 2, 0, 0}, {1, 2, 3, 4, 5, 6, 7, 8});
        change(waveSpec);
        return ibwgen::BuildWave(waveSpec);
    };
    const std::vector<std::uint8_t> good = wave([](ibwgen::WaveSpec&) {});
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"an empty file", {}},
        {"cut inside the headers", Cut(good, 200)},
        {"cut inside the data", Cut(good, 384 + 16)},
        {"a wrong checksum", wave([](ibwgen::WaveSpec& w) { w.checksumDelta = 1; })},
        {"more points than the file holds", wave([](ibwgen::WaveSpec& w) { w.pointCount = 1000; })},
        {"dimensions past the points", wave([](ibwgen::WaveSpec& w) { w.pointCount = 4; })},
        {"30000 x 30000 claimed", wave([](ibwgen::WaveSpec& w) {
             w.dims = {30000, 30000, 0, 0};
             w.pointCount = 900000000;
         })},
        {"a negative dimension", wave([](ibwgen::WaveSpec& w) {
             w.dims = {4, -2, 0, 0};
         })},
        {"a wave size too small for the data", wave([](ibwgen::WaveSpec& w) { w.waveSize = 320 + 4; })},
        {"a note past the end", wave([](ibwgen::WaveSpec& w) { w.noteSize = 1 << 30; })},
        {"a text wave", wave([](ibwgen::WaveSpec& w) { w.type = 0x00; })},
        {"a complex wave", wave([](ibwgen::WaveSpec& w) { w.type = 0x03; })},
        {"an unsigned float", wave([](ibwgen::WaveSpec& w) { w.type = 0x42; })},
        {"a 1-D wave", wave([](ibwgen::WaveSpec& w) {
             w.dims = {8, 0, 0, 0};
         })},
        {"a 4-D wave", wave([](ibwgen::WaveSpec& w) {
             w.dims = {2, 2, 1, 2};
         })},
        {"a force curve without footer",
         wave([](ibwgen::WaveSpec& w) { w.trailer = ibwgen::Trailer::Force; })},
        {"version 2 (one dimension)", wave([](ibwgen::WaveSpec& w) { w.version = 2; })},
        {"version 3 (one dimension)", wave([](ibwgen::WaveSpec& w) { w.version = 3; })},
    };
    ASSERT_TRUE(RenderFirstChannel(MemoryWave(good).preview, {32, 32}));
    for (const auto& c : cases) {
        MemoryWave damaged(c.bytes);
        EXPECT_FALSE(RenderFirstChannel(damaged.preview, {32, 32})) << c.what;
        EXPECT_FALSE(RenderFirstChannel(damaged.preview, {0, 0})) << c.what;
        EXPECT_EQ(FitFirstChannel(damaged.preview, 96).cx, 0) << c.what;
    }
}

} // namespace
