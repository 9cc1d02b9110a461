#include "app/QV3DViewer/view/ChannelPalette.h"

#include "render/CColorTableHandler.h"

int ChooseChannelPalette(const std::string& noteColorMap, bool useChannelPalette, int preferredPalette,
                         int shownPalette) {
    if (!useChannelPalette) {
        return shownPalette;
    }
    const int named = CColorTableHandler::FindByName(noteColorMap);
    return named >= 0 ? named : preferredPalette;
}
