// MotionDetail: how fine a mesh the view can afford while it moves. Each frame's time is
// recorded with the triangles it drew; the moving mesh is sized so that a frame takes about the
// budget on this machine, whatever its renderer.
#pragma once

#include "ui/PreferenceLimits.h"

class MotionDetail {
public:
    // A frame within this feels smooth (40 frames a second).
    static constexpr double kFrameBudgetMs = 25.0;
    // Coarser than this the surface stops looking like itself.
    static constexpr int kFewestPoints = 24;

    // One drawn frame: the triangles of its surface and the milliseconds it took.
    void RecordFrame(const MeshGridSize& drawn, double milliseconds);
    // The grid to draw while the view moves a surface drawn at rest as `full`: `full` itself when
    // it already fits the budget (or nothing has been measured), else the same shape, smaller.
    MeshGridSize MovingSize(const MeshGridSize& full) const;

private:
    double msPerTriangle = 0; // of recent frames, time not spent on triangles included
};

// Two triangles a grid cell.
double TriangleCount(const MeshGridSize& grid);
