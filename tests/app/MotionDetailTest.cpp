#include "app/QV3DViewer/view/MotionDetail.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(MotionDetail, KeepsTheFullMeshUntilAFrameHasBeenMeasured) {
    const MotionDetail detail;
    const MeshGridSize full{1024, 1024};
    EXPECT_EQ(detail.MovingSize(full).columns, 1024);
    EXPECT_EQ(detail.MovingSize(full).rows, 1024);
}

// Machines as frame time = fixed + per triangle: the moving mesh settles within the budget over a
// few frames, keeps the surface's shape, and stays the full mesh where that already fits.
TEST(MotionDetail, SettlesOnAFrameWithinTheBudgetOnEveryMachine) {
    struct Machine {
        double fixedMs;
        double nsPerTriangle;
        MeshGridSize full;
        bool reduced;
    };
    const Machine machines[] = {
        {2.0, 90.0, {1024, 1024}, true}, // a software renderer, 1024 squared (180 ms a frame)
        {8.0, 90.0, {2048, 512}, true},  // the same with a costly background, a long scan
        {1.0, 200.0, {512, 512}, true},  // a slower software renderer, the sample
        {1.0, 2.0, {1024, 1024}, false}, // a GPU: 5 ms a frame
        {0.5, 90.0, {64, 48}, false},    // a small scan on the software renderer
    };
    for (const Machine& m : machines) {
        MotionDetail detail;
        const auto frameMs = [&m](MeshGridSize grid) {
            return m.fixedMs + m.nsPerTriangle * 1e-6 * TriangleCount(grid);
        };
        detail.RecordFrame(m.full, frameMs(m.full));
        MeshGridSize moving = detail.MovingSize(m.full);
        for (int frame = 0; frame < 8; ++frame) {
            detail.RecordFrame(moving, frameMs(moving));
            moving = detail.MovingSize(m.full);
        }
        SCOPED_TRACE(testing::Message()
                     << m.full.columns << " x " << m.full.rows << ", " << m.nsPerTriangle << " ns");
        EXPECT_LE(frameMs(moving), MotionDetail::kFrameBudgetMs);
        EXPECT_EQ(moving.columns != m.full.columns, m.reduced);
        if (m.reduced) {
            // Not needlessly coarse: at least half the budget is used.
            EXPECT_GE(frameMs(moving), MotionDetail::kFrameBudgetMs / 2);
            EXPECT_NEAR(static_cast<double>(moving.columns) / moving.rows,
                        static_cast<double>(m.full.columns) / m.full.rows, 0.05);
        }
    }
}

TEST(MotionDetail, NeverCoarserThanItsFloorNorLargerThanTheSurface) {
    MotionDetail detail;
    detail.RecordFrame({1024, 1024}, 1e6);
    const MeshGridSize slow = detail.MovingSize({1024, 1024});
    EXPECT_EQ(slow.columns, MotionDetail::kFewestPoints);
    EXPECT_EQ(slow.rows, MotionDetail::kFewestPoints);
    const MeshGridSize thin = detail.MovingSize({4000, 3});
    EXPECT_EQ(thin.rows, 3);
    EXPECT_GE(thin.columns, MotionDetail::kFewestPoints);
    // Frames that cannot be counted leave the estimate alone.
    MotionDetail unmeasured;
    unmeasured.RecordFrame({1, 1}, 10.0);
    unmeasured.RecordFrame({100, 100}, std::nan(""));
    unmeasured.RecordFrame({100, 100}, 0.0);
    EXPECT_EQ(unmeasured.MovingSize({1024, 1024}).columns, 1024);
}

} // namespace
