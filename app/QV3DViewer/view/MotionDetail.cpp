#include "app/QV3DViewer/view/MotionDetail.h"

#include <algorithm>
#include <cmath>

namespace {

// Aim below the budget: a frame's time varies from one to the next.
constexpr double kAim = 0.8;
// Recent frames count most; one slow frame does not halve the mesh.
constexpr double kWeightOfNewest = 0.5;
// A reduction this small is not worth a different look.
constexpr double kLeastUsefulShrink = 0.85;

} // namespace

double TriangleCount(const MeshGridSize& grid) {
    return 2.0 * std::max(grid.columns - 1, 0) * std::max(grid.rows - 1, 0);
}

void MotionDetail::RecordFrame(const MeshGridSize& drawn, double milliseconds) {
    const double triangles = TriangleCount(drawn);
    if (triangles <= 0 || !(milliseconds > 0) || !std::isfinite(milliseconds)) {
        return;
    }
    // Counting the frame's fixed costs against its triangles overestimates each one, but the
    // size this gives converges on a frame of the budget whenever the fixed part fits within it.
    const double cost = milliseconds / triangles;
    msPerTriangle = msPerTriangle > 0 ? kWeightOfNewest * cost + (1 - kWeightOfNewest) * msPerTriangle : cost;
}

MeshGridSize MotionDetail::MovingSize(const MeshGridSize& full) const {
    const double triangles = TriangleCount(full);
    if (msPerTriangle <= 0 || triangles <= 0) {
        return full;
    }
    const double affordable = kAim * kFrameBudgetMs / msPerTriangle;
    const double shrink = std::sqrt(affordable / triangles);
    if (shrink >= kLeastUsefulShrink) {
        return full;
    }
    const auto side = [shrink](int points) {
        const int fewest = std::min(points, kFewestPoints);
        return std::clamp(static_cast<int>(std::lround(points * shrink)), fewest, points);
    };
    return {side(full.columns), side(full.rows)};
}
