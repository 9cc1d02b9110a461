#include "app/QV3DViewer/view/DragViewState.h"

namespace {

constexpr float kDegreesPerPixel = 0.3f;
constexpr float kShiftPerPixel = 0.03f;
constexpr float kStereoPerPixel = 0.005f;
constexpr float kZoomPerStep = 0.1f;

float Times(int pixels, float factor) {
    return static_cast<float>(pixels) * factor;
}

} // namespace

bool ApplyDrag(ViewState& s, int button, unsigned keyFlags, int dx, int dy) {
    const bool shift = (keyFlags & kKeyShift) != 0;
    const bool control = (keyFlags & kKeyControl) != 0;
    switch (button) {
    case dragLeft:
        if (!shift && !control) {
            s.Rotate += Times(dx, kDegreesPerPixel);
            s.Pitch -= Times(dy, kDegreesPerPixel);
            return true;
        }
        if (control && !shift) {
            s.Zoom += Times(dy, kShiftPerPixel);
            return true;
        }
        if (shift && !control) {
            s.PanX += Times(dx, kShiftPerPixel);
            s.PanY += Times(dy, kShiftPerPixel);
            return true;
        }
        return false;
    case dragMiddle:
        s.Zoom += Times(dy, kShiftPerPixel);
        return true;
    case dragRight:
        if (!shift && !control) {
            s.LightRotate += Times(dx, kDegreesPerPixel);
            s.LightPitch -= Times(dy, kDegreesPerPixel);
            return true;
        }
        if (shift && !control) {
            s.EyeSeparation += Times(dy, kStereoPerPixel);
            return true;
        }
        if (control && !shift) {
            s.EyeFocus += Times(dy, kStereoPerPixel);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void ApplyWheel(ViewState& s, float steps) {
    s.Zoom -= steps * kZoomPerStep;
}
