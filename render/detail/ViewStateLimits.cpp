// Zoom floor, pitch wrapped into [0, 360], stereo controls and colour-bar ticks limited.
#include "ViewStateLimits.h"

#include <algorithm>
#include <cmath>

namespace {
float LimitOrLow(float value, float low, float high) {
    return std::isnan(value) ? low : std::clamp(value, low, high);
}
} // namespace

ViewState LimitViewState(ViewState state, bool hasColorBar) {
    if (state.Zoom < 0.1f || std::isnan(state.Zoom))
        state.Zoom = 0.1f;
    if (state.Pitch < 0.0f)
        state.Pitch += 360.0f;
    else if (state.Pitch > 360.0f)
        state.Pitch -= std::floor(state.Pitch / 360.0f) * 360.0f;
    state.EyeSeparation = LimitOrLow(state.EyeSeparation, -1.0f, 2.5f);
    state.EyeFocus = LimitOrLow(state.EyeFocus, -1.0f, 1.0f);
    if (hasColorBar)
        state.ColorbarTicks = std::clamp(state.ColorbarTicks, 2, 15);
    return state;
}
