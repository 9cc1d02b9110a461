#include "app/QV3DViewer/ChannelMeshSize.h"

#include <algorithm>

ChannelMeshSize ChooseChannelMeshSize(int columns, int rows, bool decimationEnable, int xThreshold,
                                      int yThreshold) {
    const int xLimit = xThreshold >= 2 ? xThreshold : columns;
    const int yLimit = yThreshold >= 2 ? yThreshold : rows;
    if (decimationEnable && (columns > xLimit || rows > yLimit)) {
        return {std::min(columns, xLimit), std::min(rows, yLimit), true};
    }
    return {columns, rows, false};
}
