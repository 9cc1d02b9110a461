#include "shellext/InfoTipText.h"

#include "shellext/CIBWPreview.h"
#include "shellext/ColumnText.h"

std::string InfoTipText(const CIBWNote& note, int channelCount) {
    std::string text;
    for (int pid = 0; pid < kColumnCount; ++pid) {
        const ColumnSpec& column = *ColumnAt(pid);
        text += column.title;
        text += '\t';
        text += column.format == ColumnFormat::ChannelCount ? ChannelCountText(channelCount)
                                                            : NoteColumnValue(column, note);
        text += '\n';
    }
    return text;
}

std::optional<std::string> MakeInfoTip(const CIBWPreview& preview, const CIBWNote* note) {
    if (!preview.GetDescriptor() || !note || note->text.empty()) {
        return std::nullopt;
    }
    return InfoTipText(*note, preview.GetChannelCount());
}
