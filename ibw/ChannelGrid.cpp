#include "ibw/ChannelGrid.h"

#include <charconv>
#include <cmath>

namespace {

// The mesh keeps extents as 32-bit floats and divides by them.
bool Drawable(double spacing, std::int32_t count) {
    if (!std::isfinite(spacing) || spacing == 0) {
        return false;
    }
    return count <= 1 || std::isnormal(static_cast<float>((count - 1) * spacing));
}

std::string SpacingText(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "INF" : "-INF";
    }
    char text[32];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end.ptr);
}

} // namespace

CIBWChannel ChannelGrid(std::int32_t columns, std::int32_t rows, std::array<double, 2> spacing,
                        std::array<double, 2> start, std::string* note) {
    const bool xDrawable = Drawable(spacing[0], columns);
    const bool yDrawable = Drawable(spacing[1], rows);
    CIBWChannel channel;
    channel.columns = columns;
    channel.rows = rows;
    channel.points = columns * rows;
    channel.xExtent = (columns - 1) * (xDrawable ? spacing[0] : 1.0);
    channel.xStart = start[0];
    channel.yExtent = (rows - 1) * (yDrawable ? spacing[1] : 1.0);
    channel.yStart = start[1];
    note->clear();
    if (!xDrawable || !yDrawable) {
        const std::string x = "the x spacing (" + SpacingText(spacing[0]) + ")";
        const std::string y = "the y spacing (" + SpacingText(spacing[1]) + ")";
        const std::string which = !yDrawable ? !xDrawable ? x + " and " + y : y : x;
        *note =
            "The surface cannot be drawn with " + which + "; it is drawn and exported with a spacing of 1.";
    }
    return channel;
}
