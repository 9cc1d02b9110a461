// One channel (layer) of an image wave; its values point into the reader's wave buffer.
#pragma once

#include <cstdint>
#include <string>

struct CIBWChannel {
    std::int32_t points = 0;  // columns * rows
    std::int32_t columns = 0; // elements of dimension 0
    std::int32_t rows = 0;    // elements of dimension 1
    double xExtent = 0;       // (columns - 1) * dimension-0 spacing
    double xStart = 0;
    double yExtent = 0; // (rows - 1) * dimension-1 spacing
    double yStart = 0;
    std::string zUnit; // instrument images: from UnitForChannelName(name); other waves: the data units
    std::string xUnit;
    std::string yUnit;
    std::string name;            // the layer's dimension-2 label; other waves without one: the wave name
    const float* data = nullptr; // element (i, j) at data[i + j * columns]; not owned
};
