// CChannelBar: the toolbar with the channel list, the colour-table list and the control-bar
// button.
#pragma once

#include <QToolBar>

#include <functional>

class CChannelBarCombo;

class CChannelBar : public QToolBar {
public:
    static constexpr int kBarId = 501;
    static constexpr int kChannelListId = 502;
    static constexpr int kPaletteListId = 503;

    explicit CChannelBar(QWidget* parent);

    void ResetChannels();
    void AddChannel(const QString& text);
    // An index outside the list clears the selection.
    void SetChannelSel(int index);
    void SetPaletteSel(int index);
    void OnListChanged(int controlId, int index);

    CChannelBarCombo* ChannelList() const { return channelList; }
    CChannelBarCombo* PaletteList() const { return paletteList; }

    // Where picks go: the main frame's channel and colour-table selection.
    std::function<void(int)> onChannelSelected;
    std::function<void(int)> onPaletteSelected;

private:
    CChannelBarCombo* channelList;
    CChannelBarCombo* paletteList;
};
