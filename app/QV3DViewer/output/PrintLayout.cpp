#include "app/QV3DViewer/output/PrintLayout.h"

#include <algorithm>

PrintLayout ComputePrintLayout(int width, int height, int offsetX, int offsetY, bool previewing) {
    PrintLayout layout;
    layout.drawRect = {offsetX, offsetY, width, height};
    int bottom = height;
    if (width <= height && height > 0) {
        bottom = static_cast<int>(static_cast<float>(width) / static_cast<float>(height) *
                                  static_cast<float>(width));
    }
    // A device reporting offsets larger than its page gets an empty area, not a negative one.
    layout.printRect = {0, 0, std::max(width - offsetX, 0), std::max(bottom - offsetY, 0)};
    const float scale = previewing ? 0.5f : 1.0f;
    layout.imageWidth =
        static_cast<int>(static_cast<float>(layout.printRect.right - layout.printRect.left) * scale);
    layout.imageHeight =
        static_cast<int>(static_cast<float>(layout.printRect.bottom - layout.printRect.top) * scale);
    return layout;
}
