// Composition and layout of the on-screen text block.
#include "ScreenText.h"

#include <cstdarg>
#include <cstdio>

namespace {

// Each formatted piece is held to 256 bytes, like the block it is appended to.
void AppendPiece(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));
void AppendPiece(std::string& text, const char* format, ...) {
    char piece[256];
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(piece, sizeof piece, format, args);
    va_end(args);
    if (written > 0) {
        text += piece;
    }
}

} // namespace

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
        AppendPiece(text, "Rotate: %0.01f\xB0\nPitch:  %03.01f\xB0\nZoom:   %0.02f\n\n", view.Rotate,
                    view.Pitch, view.Zoom);
    }
    if (view.TextFlags & 0x10) {
        AppendPiece(text, "Light Rotate: %0.01f\xB0\nLight Pitch:  %03.01f\xB0\n\n", view.LightRotate,
                    view.LightPitch);
    }
    if (view.TextFlags & 0x4) {
        AppendPiece(text, "Stereo eye sep.: %0.02f\nStereo eye foc.: %0.02f\n", view.EyeSeparation,
                    view.EyeFocus);
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
