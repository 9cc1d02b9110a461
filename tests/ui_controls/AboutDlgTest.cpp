#include "app/QV3DViewer/frame/CAboutDlg.h"
#include "ui/CHyperLink.h"

#include "Screenshot.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

TEST(CAboutDlg, ShowsTheBuildVersionAndThreeLinks) {
    CAboutDlg box;
    EXPECT_EQ(box.windowTitle(), "About Vistrel Light");
    EXPECT_EQ(box.VersionLabel()->text(), QV_PROJECT_VERSION);
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        if (label->text() == "Vistrel Light:") {
            return;
        }
    }
    ADD_FAILURE() << "no \"Vistrel Light:\" label";
}

TEST(CAboutDlg, LinksPointAtTheMakerAndTheCreditedProjects) {
    CAboutDlg box;
    EXPECT_TRUE(box.MakerLink()->GetURL().startsWith("https://"));
    EXPECT_TRUE(box.FontLibraryLink()->GetURL().contains("freetype"));
    EXPECT_TRUE(box.WaveFormatLink()->GetURL().contains("wavemetrics"));
    EXPECT_EQ(box.WaveFormatLink()->text(), box.WaveFormatLink()->GetURL());
}

TEST(Screenshots, AboutBox) {
    CAboutDlg box;
    box.show();
    EXPECT_TRUE(SaveScreenshot(&box, "about_box"));
}

} // namespace
