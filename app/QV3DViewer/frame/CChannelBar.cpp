#include "app/QV3DViewer/frame/CChannelBar.h"

#include "app/QV3DViewer/frame/CChannelBarCombo.h"
#include "render/CColorTableHandler.h"

#include <QFontDatabase>

namespace {

constexpr int kListWidth = 200;
constexpr int kGapWidth = 12;

void AddGap(QToolBar* bar) {
    auto* gap = new QWidget(bar);
    gap->setFixedWidth(kGapWidth);
    bar->addWidget(gap);
}

void Select(QComboBox* list, int index) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

} // namespace

CChannelBar::CChannelBar(QWidget* parent) : QToolBar(QStringLiteral("Channel Bar"), parent) {
    setObjectName(QStringLiteral("ChannelBar"));
    const QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const auto picked = [this](int controlId, int index) { OnListChanged(controlId, index); };
    channelList = new CChannelBarCombo(picked, kChannelListId, this);
    paletteList = new CChannelBarCombo(picked, kPaletteListId, this);
    for (CChannelBarCombo* list : {channelList, paletteList}) {
        list->setFixedWidth(kListWidth);
        list->setFont(font);
        list->setMaxVisibleItems(8);
    }
    addWidget(channelList);
    AddGap(this);
    addWidget(paletteList);
    AddGap(this);
    for (int i = 0; i < CColorTableHandler::GetTableCount(); ++i) {
        paletteList->addItem(QString::fromStdString(CColorTableHandler::GetName(i)));
    }
}

void CChannelBar::ResetChannels() {
    channelList->clear();
}

void CChannelBar::AddChannel(const QString& text) {
    channelList->addItem(text);
}

void CChannelBar::SetChannelSel(int index) {
    Select(channelList, index);
}

void CChannelBar::SetPaletteSel(int index) {
    Select(paletteList, index);
}

void CChannelBar::OnListChanged(int controlId, int index) {
    if (controlId == kChannelListId && onChannelSelected) {
        onChannelSelected(index);
    } else if (controlId == kPaletteListId && onPaletteSelected) {
        onPaletteSelected(index);
    }
}
