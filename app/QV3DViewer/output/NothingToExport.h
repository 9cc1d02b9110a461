// The exports' common first step: with no image open there is nothing to write, and the user is
// told so before any file dialog comes up.
#pragma once

class CQV3DViewerView;

// True when the view shows a surface; otherwise shows the message and returns false.
bool HasImageToExport(CQV3DViewerView& view);
