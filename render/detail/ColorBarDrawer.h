// The colour bar at the right edge of the window: a cylinder textured with the colour table, its
// frame, ticks and value labels, in a projection of its own. Saves and restores the state it
// changes, except the projection, which every frame sets again.
#pragma once

#include "render/AxesOptions.h"
#include "base/ColorRGBA.h"
#include "render/ViewState.h"

#include <vector>

// `texture` is the bar's texture name, built here from `table` when it is 0.
void DrawColorBar(const ViewState& view, const AxesOptions& options, int tickCount,
                  const std::vector<ColorRGBA>& table, int width, int height, unsigned* texture);
