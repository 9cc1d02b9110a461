#include "ui/ColourPalette.h"

const std::array<NamedColour, kPaletteSize>& ColourPalette() {
    static const std::array<NamedColour, kPaletteSize> palette{{
        {MakeColorRef(0, 0, 0), "Black"},
        {MakeColorRef(165, 42, 0), "Brown"},
        {MakeColorRef(0, 64, 64), "Dark Olive Green"},
        {MakeColorRef(0, 85, 0), "Dark Green"},
        {MakeColorRef(0, 0, 94), "Dark Teal"},
        {MakeColorRef(0, 0, 139), "Dark blue"},
        {MakeColorRef(75, 0, 130), "Indigo"},
        {MakeColorRef(40, 40, 40), "Dark grey"},
        {MakeColorRef(139, 0, 0), "Dark red"},
        {MakeColorRef(255, 104, 32), "Orange"},
        {MakeColorRef(139, 139, 0), "Dark yellow"},
        {MakeColorRef(0, 147, 0), "Green"},
        {MakeColorRef(56, 142, 142), "Teal"},
        {MakeColorRef(0, 0, 255), "Blue"},
        {MakeColorRef(123, 123, 192), "Blue-grey"},
        {MakeColorRef(102, 102, 102), "Grey - 40"},
        {MakeColorRef(255, 0, 0), "Red"},
        {MakeColorRef(255, 173, 91), "Light orange"},
        {MakeColorRef(50, 205, 50), "Lime"},
        {MakeColorRef(60, 179, 113), "Sea green"},
        {MakeColorRef(127, 255, 212), "Aqua"},
        {MakeColorRef(125, 158, 192), "Light blue"},
        {MakeColorRef(128, 0, 128), "Violet"},
        {MakeColorRef(127, 127, 127), "Grey - 50"},
        {MakeColorRef(255, 192, 203), "Pink"},
        {MakeColorRef(255, 215, 0), "Gold"},
        {MakeColorRef(255, 255, 0), "Yellow"},
        {MakeColorRef(0, 255, 0), "Bright green"},
        {MakeColorRef(64, 224, 208), "Turquoise"},
        {MakeColorRef(192, 255, 255), "Skyblue"},
        {MakeColorRef(72, 0, 72), "Plum"},
        {MakeColorRef(192, 192, 192), "Light grey"},
        {MakeColorRef(255, 228, 225), "Rose"},
        {MakeColorRef(210, 180, 140), "Tan"},
        {MakeColorRef(255, 255, 224), "Light yellow"},
        {MakeColorRef(152, 251, 152), "Pale green "},
        {MakeColorRef(175, 238, 238), "Pale turquoise"},
        {MakeColorRef(104, 131, 139), "Pale blue"},
        {MakeColorRef(230, 230, 250), "Lavender"},
        {MakeColorRef(255, 255, 255), "White"},
    }};
    return palette;
}

int PaletteIndexOf(ColorRef c) {
    const auto& palette = ColourPalette();
    for (int i = 0; i < kPaletteSize; ++i) {
        if (palette[static_cast<std::size_t>(i)].colour == c) {
            return i;
        }
    }
    return -1;
}
