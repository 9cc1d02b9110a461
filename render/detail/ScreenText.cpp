// Composition and layout of the on-screen text block.
#include "ScreenText.h"

#include "base/NumberFormat.h"

namespace {

// Each piece is held to 255 bytes, as the block it is appended to was formatted.
void AppendPiece(std::string& text, const std::string& piece) {
    text.append(piece, 0, 255);
}

} // namespace

// Angles with one decimal, zoom and stereo with two, always with a point whatever the locale.
std::string ComposeOnscreenText(const ViewState& view) {
    std::string text;
    if (view.TextFlags & 0x1) {
        text += "Onscreen Help:\n"
                "  Rotate - Left Mouse Drag\n"
                "  Light Rotate - Right Mouse Drag\n"
                "  Zoom - Middle Mouse Drag or Ctrl+Left Mouse Drag\n"
                "  Pan - Shift+Left Mouse Drag\n"
                "  Stereo eye sep. - Shift+Right Mouse Drag\n"
                "  Stereo eye foc. - Ctrl+Right Mouse Drag\n"
                "\n";
    }
    if (view.TextFlags & 0x2) {
        AppendPiece(text, "Rotate: " + FormatDecimals(view.Rotate, 1) +
                              "\xB0\nPitch:  " + FormatDecimals(view.Pitch, 1) +
                              "\xB0\nZoom:   " + FormatDecimals(view.Zoom, 2) + "\n\n");
    }
    if (view.TextFlags & 0x10) {
        AppendPiece(text, "Light Rotate: " + FormatDecimals(view.LightRotate, 1) +
                              "\xB0\nLight Pitch:  " + FormatDecimals(view.LightPitch, 1) + "\xB0\n\n");
    }
    if (view.TextFlags & 0x4) {
        AppendPiece(text, "Stereo eye sep.: " + FormatDecimals(view.EyeSeparation, 2) +
                              "\nStereo eye foc.: " + FormatDecimals(view.EyeFocus, 2) + "\n");
    }
    return text;
}

std::vector<std::string_view> SplitScreenLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            lines.push_back(text);
            break;
        }
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return lines;
}

ScreenLinePosition ScreenLineOrigin(bool fromTop, float viewportHeight, float fontSize, float x, float y,
                                    int line) {
    const float y0 = fromTop ? viewportHeight - fontSize - y : y;
    return {x, y0 - 1.5f * fontSize * static_cast<float>(line)};
}
