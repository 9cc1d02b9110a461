// Axes, ticks, labels and the bounding box of a mesh, drawn in the mesh's model space (lines of
// fixed-function GL 1.1). Saves and restores the state it changes.
#pragma once

#include "render/AxesOptions.h"
#include "render/MeshParams.h"
#include "render/ViewState.h"

void DrawAxes(const ViewState& view, const AxesOptions& options, const MeshParams& params);

// Sets the label colour for `options` (automatic: contrasting with the view's background).
void SetLabelColor(const ViewState& view, const AxesOptions& options);
