// GL-free half of the on-screen text: the help and information block composed from a view state,
// the split into lines and where each line is drawn in window pixels.
#pragma once

#include "render/ViewState.h"

#include <string>
#include <string_view>
#include <vector>

// The block for the view's TextFlags: bit 0 help, bit 1 view, bit 4 light, bit 2 stereo, in that
// order. Windows-1252 bytes (the degree sign is 0xB0).
std::string ComposeOnscreenText(const ViewState& view);

// Lines of a text split at each "\n"; a trailing part without "\n" is the last line.
std::vector<std::string_view> SplitScreenLines(std::string_view text);

struct ScreenLinePosition {
    float x = 0;
    float y = 0;
};

// Window position of line `line` for a font of nominal size `fontSize` (lines 1.5 sizes apart);
// with `fromTop`, y counts from the top edge down to the first line's top.
ScreenLinePosition ScreenLineOrigin(bool fromTop, float viewportHeight, float fontSize, float x, float y,
                                    int line);
