// Screenshot: saves a widget's picture under the build folder, named after the scaling it was
// taken at (QT_SCALE_FACTOR), for a person to look at.
#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

inline bool SaveScreenshot(QWidget* widget, const QString& name) {
    const QString scale = qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")
                              ? QString("1")
                              : qEnvironmentVariable("QT_SCALE_FACTOR");
    const QString percent = QString::number(qRound(scale.toDouble() * 100));
    QDir().mkpath(QV_SCREENSHOT_DIR);
    return widget->grab().save(QString(QV_SCREENSHOT_DIR) + "/" + name + "_" + percent + ".png");
}
