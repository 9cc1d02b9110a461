// The sizes a damaged preview claims must not be allocated before the file is seen to hold them:
// Explorer asks for thumbnails of whatever lies in a folder. This program replaces the global
// operator new to record the largest block asked for.
#include "shellext/RenderForcePlot.h"
#include "shellext/RenderPreviewImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

namespace {
std::atomic<std::size_t> largest{0};
} // namespace

void* operator new(std::size_t size) {
    std::size_t seen = largest.load();
    while (size > seen && !largest.compare_exchange_weak(seen, size)) {
    }
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

namespace {

constexpr std::size_t kSmallBlock = 8u << 20; // far below what the claims would need

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

} // namespace
