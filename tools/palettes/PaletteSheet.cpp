#include "tools/palettes/PaletteSheet.h"

#include "render/CColorTableHandler.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <vector>

namespace {

constexpr int kColumns = 2;
constexpr int kMargin = 12;
constexpr int kLabelWidth = 270;
constexpr int kStripWidth = 480; // at least as wide as the largest table, so no entry is hidden
constexpr int kStripHeight = 16;
constexpr int kRowHeight = 22;

} // namespace

QImage RenderPaletteSheet() {
    const int count = CColorTableHandler::GetTableCount();
    const int rowsPerColumn = (count + kColumns - 1) / kColumns;
    const int columnWidth = kLabelWidth + kStripWidth + 2 * kMargin;
    QImage sheet(kColumns * columnWidth + kMargin, rowsPerColumn * kRowHeight + 2 * kMargin,
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);

    QPainter painter(&sheet);
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(13);
    painter.setFont(font);
    const CColorTableHandler handler;
    for (int index = 0; index < count; ++index) {
        const int left = kMargin + (index / rowsPerColumn) * columnWidth;
        const int top = kMargin + (index % rowsPerColumn) * kRowHeight;
        painter.setPen(Qt::black);
        painter.drawText(QRect(left, top, kLabelWidth - 8, kRowHeight), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1  %2 (%3)")
                             .arg(index)
                             .arg(QString::fromStdString(CColorTableHandler::GetName(index)))
                             .arg(CColorTableHandler::GetEntryCount(index)));

        std::vector<std::uint32_t> entries;
        const int n = handler.AllocEntries(index, &entries);
        const int stripLeft = left + kLabelWidth;
        const int stripTop = top + (kRowHeight - kStripHeight) / 2;
        for (int x = 0; x < kStripWidth; ++x) {
            const std::uint32_t c = entries[static_cast<std::size_t>(x * n / kStripWidth)];
            painter.setPen(QColor::fromRgb(c));
            painter.drawLine(stripLeft + x, stripTop, stripLeft + x, stripTop + kStripHeight - 1);
        }
        painter.setPen(Qt::gray);
        painter.drawRect(stripLeft - 1, stripTop - 1, kStripWidth + 1, kStripHeight + 1);
    }
    return sheet;
}
