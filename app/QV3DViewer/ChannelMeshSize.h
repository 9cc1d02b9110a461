// The mesh size of a channel: decimated to the preference thresholds when the image is larger.
#pragma once

struct ChannelMeshSize {
    int columns = 0;
    int rows = 0;
    bool decimated = false; // built with CreateDecimatedMesh
};

// A threshold below 2 cannot make a mesh; that axis then keeps its full size.
ChannelMeshSize ChooseChannelMeshSize(int columns, int rows, bool decimationEnable, int xThreshold,
                                      int yThreshold);
