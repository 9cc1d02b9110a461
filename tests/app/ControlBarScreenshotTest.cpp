// The main window with the control bar on the sample, and the preferences sheet, saved for a
// person to look at (named after QT_SCALE_FACTOR); the checks catch clipped or overlapping
// controls, which a screenshot shows but a reader of the numbers would miss.
#include "app/QV3DViewer/controls/CViewControls.h"
#include "app/QV3DViewer/frame/CommandIds.h"
#include "ui/CPreferencesProp.h"

#include "ControlBarFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>

#include <string>

namespace {

using apptest::App;

QString ShotPath(const QString& name) {
    const QString scale = qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")
                              ? QString("1")
                              : qEnvironmentVariable("QT_SCALE_FACTOR");
    QDir().mkpath(QV_SCREENSHOT_DIR);
    return QString(QV_SCREENSHOT_DIR) + "/" + name + "_" + QString::number(qRound(scale.toDouble() * 100)) +
           ".png";
}

// The controls a person reads or works; the arrows of a spin are meant to be smaller than a
// tool button likes to be.
bool IsControl(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QCheckBox*>(w) ||
           qobject_cast<const QPushButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QSlider*>(w) ||
           qobject_cast<const QGroupBox*>(w);
}

// Visible controls under `parent` that are smaller than they ask to be, or overlap a sibling.
std::string LayoutFaults(QWidget* parent) {
    QStringList faults;
    QList<QWidget*> children;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && IsControl(child)) {
            children << child;
        }
    }
    for (QWidget* child : children) {
        const QSize wanted = child->minimumSizeHint();
        if (child->width() < wanted.width() || child->height() < wanted.height()) {
            faults << QString("%1 '%2' clipped: %3x%4 < %5x%6")
                          .arg(child->metaObject()->className(), child->property("text").toString())
                          .arg(child->width())
                          .arg(child->height())
                          .arg(wanted.width())
                          .arg(wanted.height());
        }
        for (QWidget* other : children) {
            if (child < other && child->geometry().intersects(other->geometry())) {
                faults << QString("%1 '%2' overlaps %3 '%4'")
                              .arg(child->metaObject()->className(), child->property("text").toString(),
                                   other->metaObject()->className(), other->property("text").toString());
            }
        }
    }
    std::string nested;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            nested += LayoutFaults(child);
        }
    }
    return faults.isEmpty() ? nested : faults.join('\n').toStdString() + "\n" + nested;
}

class ControlBarScreenshot : public ::testing::Test {
protected:
    static void SetUpTestSuite() { apptest::StartViewerOnce(); }
};

TEST_F(ControlBarScreenshot, MainWindowOnTheSample) {
    CurrentPreferences = DefaultPreferences;
    App().View()->Controller().ApplyPreferences(DefaultPreferences);
    App().MainFrame()->ShowControlBar(true);
    ASSERT_NE(App().OpenDocumentFile(QV_SAMPLE_FILE), nullptr);
    QTest::qWait(500);
    CViewControls* bar = App().MainFrame()->ViewControls();
    EXPECT_EQ(LayoutFaults(bar), "");
    EXPECT_GE(bar->width(), bar->minimumSizeHint().width());
    QScreen* screen = App().MainFrame()->screen();
    EXPECT_TRUE(screen->grabWindow(App().MainFrame()->winId()).save(ShotPath("main_window")));
    EXPECT_TRUE(bar->grab().save(ShotPath("control_bar")));
}

TEST_F(ControlBarScreenshot, PreferencesSheet) {
    std::string faults;
    bool saved = false;
    apptest::WithModal([] { App().MainFrame()->OnCommand(cmd::Preferences); },
                       [&](QWidget* modal) {
                           QTest::qWait(200);
                           faults = LayoutFaults(modal);
                           saved = modal->grab().save(ShotPath("preferences"));
                           modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
                       });
    EXPECT_TRUE(saved);
    EXPECT_EQ(faults, "");
}

} // namespace
