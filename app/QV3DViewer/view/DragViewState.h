// How mouse drags and wheel steps change a view state. A drag is always measured from the state
// and point of the press, so it depends only on where the pointer is now.
#pragma once

#include "render/ViewState.h"

enum DragButton { dragLeft = 0, dragRight = 1, dragMiddle = 2 };

// Key flags of a mouse message.
inline constexpr unsigned kKeyShift = 0x04;
inline constexpr unsigned kKeyControl = 0x08;

// dx, dy: client pixels moved since the press, y growing downwards. True when s was changed.
bool ApplyDrag(ViewState& s, int button, unsigned keyFlags, int dx, int dy);

// One wheel notch away from the user is +1 step and zooms out by 0.1.
void ApplyWheel(ViewState& s, float steps);
