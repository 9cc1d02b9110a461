// The view's picture commands: Export..., Copy, Print..., Print Preview and Print Setup.
#pragma once

class CMainFrame;
class CQV3DViewerView;

void RegisterImageOutputCommands(CQV3DViewerView& view, CMainFrame& frame);
