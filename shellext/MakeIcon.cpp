#include "shellext/MakeIcon.h"

#include <cstddef>
#include <utility>

std::optional<PaletteIcon> MakeIcon(std::optional<PaletteBitmap> bitmap) {
    if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0) {
        return std::nullopt;
    }
    PaletteIcon icon;
    icon.maskRowLength = (bitmap->width + 31) / 32 * 4;
    icon.mask.assign(static_cast<std::size_t>(icon.maskRowLength) * static_cast<std::size_t>(bitmap->height),
                     0);
    icon.hotspotX = bitmap->width / 2;
    icon.hotspotY = bitmap->height / 2;
    icon.color = std::move(*bitmap);
    return icon;
}
