// Where a print goes on the page: a portrait page gets an area of landscape proportions.
#pragma once

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct PrintLayout {
    PixelRect drawRect;  // the print info's drawing rectangle
    PixelRect printRect; // the area printed, in printer pixels
    int imageWidth = 0;  // the frame rendered for it (halved in preview)
    int imageHeight = 0;
};

// width, height: the device's resolution in pixels; offsetX, offsetY: its physical offsets.
PrintLayout ComputePrintLayout(int width, int height, int offsetX, int offsetY, bool previewing);
