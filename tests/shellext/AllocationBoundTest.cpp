// Explorer asks for thumbnails, icons and texts of whatever lies in a folder, on its own threads:
// what a damaged file claims must not be allocated before the file is seen to hold it, and no call
// may hold more than what it returns plus a few megabytes. This program replaces the global
// operator new to record the largest block asked for and the most held at once.
#include "shellext/CIBWPreview.h"
#include "shellext/CQVDFReader.h"
#include "shellext/ChannelListNames.h"
#include "shellext/InfoTipText.h"
#include "shellext/LoadShellNote.h"
#include "shellext/RenderForcePlot.h"
#include "shellext/RenderLoadedPreview.h"
#include "shellext/RenderPreviewImage.h"
#include "tests/ibw/TestFiles.h"
#include "tools/shellfixtures/ShellFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <new>
#include <vector>

namespace {

std::atomic<std::size_t> largest{0};
std::atomic<std::size_t> held{0};
std::atomic<std::size_t> mostHeld{0};

// Each block carries its size in front, so delete knows what it gives back.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void Raise(std::atomic<std::size_t>& mark, std::size_t value) {
    std::size_t seen = mark.load();
    while (value > seen && !mark.compare_exchange_weak(seen, value)) {
    }
}

} // namespace

void* operator new(std::size_t size) {
    Raise(largest, size);
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!block) {
        throw std::bad_alloc();
    }
    *reinterpret_cast<std::size_t*>(block) = size;
    Raise(mostHeld, held += size);
    return block + kHeader;
}

void operator delete(void* pointer) noexcept {
    if (pointer) {
        // Through an integer: GCC would otherwise take the step back for one out of an array's bounds.
        auto* block = reinterpret_cast<unsigned char*>(reinterpret_cast<std::uintptr_t>(pointer) - kHeader);
        held -= *reinterpret_cast<std::size_t*>(block);
        std::free(block);
    }
}

void operator delete(void* pointer, std::size_t) noexcept {
    operator delete(pointer);
}

namespace {

constexpr std::size_t kSmallBlock = 8u << 20; // far below what the claims would need
constexpr std::size_t kCallBound = 16u << 20; // what one call may hold beyond what it returns

// The most the work held at once beyond what was held before it, also printed for the record.
std::size_t HeldBy(const char* what, const std::function<void()>& work) {
    const std::size_t before = held.load();
    mostHeld = before;
    work();
    const std::size_t cost = mostHeld.load() - before;
    std::printf("measure: %s holds at most %.2f MB\n", what, static_cast<double>(cost) / (1 << 20));
    return cost;
}

TEST(AllocationBound, ClaimedPictureSizesAreNotAllocatedBeforeTheDataIsThere) {
    const std::vector<std::int8_t> four(4, 0);
    largest = 0;
    EXPECT_FALSE(RenderPreviewImage(30000, 30000, four, {0, 0}));
    EXPECT_FALSE(RenderPreviewImage(32767, 2, four, {128, 128}));
    EXPECT_LT(largest.load(), kSmallBlock);

    // A force curve's own size is its claimed length, capped where thumbnails end.
    IBWForcePreview curve;
    curve.dataLength = 30000;
    curve.extendLength = 2;
    curve.retractLength = 2;
    curve.data = {0, 255, 255, 0};
    largest = 0;
    const auto plot = RenderForcePlot(curve, {0, 0});
    ASSERT_TRUE(plot);
    EXPECT_EQ(plot->width, kLargestOwnPlotSide);
    EXPECT_EQ(plot->height, kLargestOwnPlotSide);
    EXPECT_LT(largest.load(), kSmallBlock);
}

// What the shell does with a wave file: the channel list, then channel 0's thumbnail.
void ShellCalls(const std::string& path) {
    CIBWPreview footer;
    footer.LoadFooter(path);
    ChannelListNames(footer);
    CIBWPreview preview;
    preview.Load(path, 0);
    RenderLoadedPreview(preview, {256, 256});
}

TEST(AllocationBound, DamagedFootersCostAFewMegabytesEach) {
    const struct {
        const char* what;
        bool (*write)(const std::string&);
        int kind;
    } cases[] = {
        {"999,000 channels declared, as many named as fit", shellfixtures::WriteManyChannelsFooter,
         kIBWPreviewImage},
        {"999,000 channels declared among tiny entries", shellfixtures::WriteDenseEntriesFooter,
         kIBWPreviewImage},
        {"as many curves as start keys fit", shellfixtures::WriteManyCurvesFooter, kIBWPreviewForce},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = testfiles::TempPath(".ibw");
        ASSERT_TRUE(c.write(path));
        CIBWPreview preview;
        ASSERT_EQ(preview.Load(path, 0), c.kind);
        const IBWPreviewDescriptor& d = *preview.GetDescriptor();
        EXPECT_GT(d.count, 4096);
        EXPECT_LE(std::max(d.imageChannels.size(), d.forceChannels.size()), kIBWPreviewMaxRecords);
        EXPECT_TRUE(RenderLoadedPreview(preview, {64, 64}));
        const std::size_t cost = HeldBy(c.what, [&] { ShellCalls(path); });
        EXPECT_LT(cost, kCallBound) << cost;
        std::filesystem::remove(path);
    }
}

TEST(AllocationBound, ALargePreviewIsReadRowByRowIntoTheThumbnail) {
    const std::string path = testfiles::TempPath(".ibw");
    ASSERT_TRUE(shellfixtures::WriteLargePreview(path));
    std::optional<PaletteBitmap> own;
    std::optional<PaletteBitmap> thumbnail;
    const std::size_t cost = HeldBy("a 6000 x 6000 preview at 256 x 256 and at its own size", [&] {
        CIBWPreview preview;
        preview.Load(path, 0);
        thumbnail = RenderLoadedPreview(preview, {256, 256});
        own = RenderLoadedPreview(preview, {0, 0});
    });
    EXPECT_LT(cost, kCallBound) << cost;
    ASSERT_TRUE(thumbnail && own);
    EXPECT_EQ(thumbnail->width, 256);
    // The own size of a preview larger than a thumbnail is capped, keeping its shape.
    EXPECT_EQ(own->width, kLargestOwnPreviewSide);
    EXPECT_EQ(own->height, kLargestOwnPreviewSide);
    std::filesystem::remove(path);
}

TEST(AllocationBound, AContainerOf65536ImagesCostsAFewMegabytes) {
    const std::string path = testfiles::TempPath(".qvdf");
    ASSERT_TRUE(shellfixtures::WriteManyImagesContainer(path));
    const std::size_t cost = HeldBy("a container of 65,536 images, two thumbnails", [&] {
        CQVDFReader reader(path);
        EXPECT_EQ(reader.GetImageCount(), shellfixtures::kContainerImages);
        EXPECT_TRUE(reader.HasThumbnail());
        EXPECT_TRUE(reader.GetThumbnailBitmap(0, {48, 48}));
        EXPECT_TRUE(reader.GetThumbnailBitmap(shellfixtures::kContainerImages - 1, {16, 16}));
    });
    EXPECT_LT(cost, kCallBound) << cost;
    std::filesystem::remove(path);
}

TEST(AllocationBound, ALongNoteIsReadOnlyAsFarAsTheShellShowsIt) {
    const std::string path = testfiles::TempPath(".ibw");
    ASSERT_TRUE(shellfixtures::WriteLongNote(path));
    const std::size_t cost = HeldBy("a 16 MB note, info tip and note items", [&] {
        const CIBWNote note = LoadShellNote(path, true);
        CIBWPreview footer;
        footer.LoadFooter(path);
        const std::optional<std::string> tip = MakeInfoTip(footer, &note);
        ASSERT_TRUE(tip);
        EXPECT_NE(tip->find("20.000"), std::string::npos);
        EXPECT_FALSE(note.pairs.empty());
    });
    EXPECT_LT(cost, kCallBound) << cost;
    std::filesystem::remove(path);
}

} // namespace
