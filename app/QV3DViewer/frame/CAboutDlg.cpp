#include "app/QV3DViewer/frame/CAboutDlg.h"

#include "app/QV3DViewer/Version.h"
#include "ui/CHyperLink.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

// The box's picture: a small lit height field drawn in the viewer's own colours.
QPixmap AboutPicture(qreal devicePixelRatio) {
    const int size = 64;
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const int n = 10;
    auto height = [](double u, double v) {
        return std::exp(-((u - 0.55) * (u - 0.55) + (v - 0.45) * (v - 0.45)) * 9.0);
    };
    auto project = [&](double u, double v) {
        return QPointF(8 + u * 34 + v * 14, 50 - v * 14 + u * 6 - height(u, v) * 26);
    };
    painter.setPen(QPen(QColor(40, 40, 40, 120), 0.5));
    for (int j = n - 1; j >= 0; --j) {
        for (int i = 0; i < n; ++i) {
            const double u0 = double(i) / n;
            const double u1 = double(i + 1) / n;
            const double v0 = double(j) / n;
            const double v1 = double(j + 1) / n;
            const double h = height((u0 + u1) / 2, (v0 + v1) / 2);
            painter.setBrush(QColor::fromHsvF(0.66 * (1.0 - h), 0.85, 0.55 + 0.45 * h));
            const QPointF quad[4] = {project(u0, v0), project(u1, v0), project(u1, v1), project(u0, v1)};
            painter.drawPolygon(quad, 4);
        }
    }
    return pixmap;
}

CHyperLink* AddCredit(QVBoxLayout* layout, const QString& text, const QString& url, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* link = new CHyperLink(QString(), parent);
    link->SetURL(url);
    layout->addWidget(link, 0, Qt::AlignLeft);
    layout->addSpacing(8);
    return link;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About Vistrel Light");
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setPixmap(AboutPicture(devicePixelRatioF()));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* name = new QLabel("Vistrel Light:", this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    version = new QLabel(QString::fromLatin1(kFileVersion), this);
    version->setObjectName("1052");
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(name);
    nameRow->addWidget(version);
    nameRow->addStretch();

    auto* text = new QVBoxLayout;
    text->addLayout(nameRow);
    text->addSpacing(8);
    makerLink = AddCredit(text,
                          "Quorvane Instruments\nScanning-probe microscopy\n"
                          "Questions, suggestions and bug reports are welcome:",
                          "https://www.quorvane.com", this);
    fontLink = AddCredit(text,
                         "Portions of this software are copyright \u00A9 The FreeType Project. "
                         "All rights reserved.",
                         "https://freetype.org", this);
    waveLink = AddCredit(text,
                         "The Igor Binary Wave reading follows the file format published by "
                         "WaveMetrics, Inc.",
                         "https://www.wavemetrics.com", this);
    text->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(picture, 0, Qt::AlignTop);
    body->addSpacing(12);
    body->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(380);
}
