// Fonts, screen text, axes and the colour bar drawn into an off-screen context (under Xvfb):
// texture sizes, where text pixels land, colour-bar colours, and screenshots to look at.
#include "GlCanvas.h"

#include "AxesDrawer.h"
#include "render/CColorTableHandler.h"
#include "CFontData.h"
#include "ColorBarDrawer.h"
#include "CurrentFontData.h"
#include "DrawText.h"
#include "FontLookup.h"
#include "tests/render/ReferenceAxes.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

// A pixel counts as drawn when any channel exceeds this (anti-aliased edges are fainter).
constexpr int kInk = 96;

bool Inked(QRgb p) {
    return qRed(p) > kInk || qGreen(p) > kInk || qBlue(p) > kInk;
}

// Bounding box of the inked pixels inside `area` (top-down image coordinates); empty if none.
QRect InkBox(const QImage& image, QRect area) {
    area &= image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (Inked(image.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// Screenshots land in the test's working folder, the build tree's tests/render_text.
std::string ShotPath(const std::string& name) {
    return "render_text_" + name;
}

TEST(TextGl, FontsAreBuiltWithPowerOfTwoGlyphTextures) {
    GlCanvas canvas(64, 64);
    ASSERT_TRUE(canvas.IsReady());
    CFontData* fonts = CurrentFontData();
    ASSERT_NE(fonts, nullptr);
    EXPECT_EQ(fonts, CurrentFontData()); // built once per share group
    ASSERT_TRUE(fonts->LabelFont().IsBuilt());
    ASSERT_TRUE(fonts->ScreenFont().IsBuilt());
    EXPECT_EQ(fonts->LabelFont().Size(), 24);
    EXPECT_EQ(fonts->ScreenFont().Size(), 14);

    FontFile arial;
    ASSERT_TRUE(FontLookup("Arial", &arial));
    const std::vector<GlyphRaster> rasters = RasterizeGlyphs(arial.path, 24);
    for (const int code : {int(' '), int('H'), int('g'), 0xB0, 0xB5}) {
        GLint width = 0;
        GLint height = 0;
        glBindTexture(GL_TEXTURE_2D, fonts->LabelFont().Texture(code));
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        EXPECT_EQ(width, rasters[code].texWidth) << code;
        EXPECT_EQ(height, rasters[code].texHeight) << code;
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

TEST(TextGl, ViewBlockStartsTenPixelsFromTheTopLeftCorner) {
    GlCanvas canvas(800, 600);
    ASSERT_TRUE(canvas.IsReady());
    canvas.Clear();
    ViewState view;
    view.TextFlags = 2;
    view.Rotate = 30;
    view.Pitch = 5;
    DrawOnscreenBlock(view);
    const QImage image = canvas.Read();
    image.save(QString::fromStdString(ShotPath("onscreen-view.png")));
    const QRect box = InkBox(image, image.rect());
    ASSERT_FALSE(box.isEmpty());
    // Three lines 21 pixels apart; the first capital's top lies about 13 pixels above its
    // baseline, which sits 10 + 14 pixels below the top edge.
    EXPECT_NEAR(box.left(), 11, 2);
    EXPECT_NEAR(box.top(), 11, 2);
    EXPECT_NEAR(box.bottom(), 24 + 42 + 4, 5); // the descender-free third line "Zoom:   1.00"
    EXPECT_GT(box.width(), 100);
    const QRgb p = image.pixel(box.center());
    EXPECT_EQ(qRed(p), 0);
    EXPECT_EQ(qBlue(p), 0);
}

// Looking straight down on the grid: x from -6 to 6 across the window.
void TopView(const GlCanvas& canvas) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double a = double(canvas.Width()) / canvas.Height();
    glOrtho(-6 * a, 6 * a, -6, 6, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

AxesOptions XAxisOptions() {
    AxesOptions options;
    options.Flags = AxesXAxis | AxesXLabels | AxesAutoLabelColor;
    options.XTickCount = 3;
    options.XTickStep = 0.5f;
    options.XDecimals = 0;
    std::strcpy(options.XUnitText, "\xB5m");
    return options;
}

TEST(TextGl, XLabelsAreCentredOnTheirTicksBelowTheAxis) {
    GlCanvas canvas(600, 600);
    ASSERT_TRUE(canvas.IsReady());
    canvas.Clear();
    TopView(canvas);
    MeshParams params;
    params.XExtent = 10;
    params.YExtent = 10;
    ViewState view;
    DrawAxes(view, XAxisOptions(), params);
    const QImage image = canvas.Read();
    image.save(QString::fromStdString(ShotPath("axes-x-top.png")));

    const double pixelsPerUnit = 600.0 / 12.0;
    const auto px = [&](double x) { return static_cast<int>((x + 6) * pixelsPerUnit); };
    const auto py = [&](double y) { return static_cast<int>((6 - y) * pixelsPerUnit); };
    // The axis line at y = -5, white on black.
    EXPECT_TRUE(Inked(image.pixel(px(-2), py(-5))));
    EXPECT_EQ(qRed(image.pixel(px(-2), py(-5) - 1)) + qRed(image.pixel(px(-2), py(-5))) +
                      qRed(image.pixel(px(-2), py(-5) + 1)) >
                  200,
              true);
    // Labels "0" at x = -5 and "5" at x = 0, centred 0.875 below the axis.
    for (const double x : {-5.0, 0.0}) {
        const QRect area(px(x) - 40, py(-5.875) - 25, 80, 50);
        const QRect box = InkBox(image, area);
        ASSERT_FALSE(box.isEmpty()) << x;
        EXPECT_NEAR(box.center().x(), px(x), 4) << x;
        EXPECT_NEAR(box.center().y(), py(-5.875), 4) << x;
    }
    // Nothing above the axis but the ticks.
    EXPECT_TRUE(InkBox(image, QRect(0, 0, 600, py(-4.5))).isEmpty());
}

TEST(TextGl, ColorBarShowsTheLastEntryAtTheTop) {
    GlCanvas canvas(800, 600);
    ASSERT_TRUE(canvas.IsReady());
    canvas.Clear();
    ViewState view;
    AxesOptions options;
    options.Flags = AxesAutoLabelColor;
    options.ZLabelRange = 10;
    std::strcpy(options.ZUnitText, "nm");
    const std::vector<ColorRGBA> table{{255, 0, 0, 255}, {0, 0, 255, 255}};
    unsigned texture = 0;
    DrawColorBar(view, options, 5, table, 800, 600, &texture);
    EXPECT_NE(texture, 0u);
    const QImage image = canvas.Read();
    image.save(QString::fromStdString(ShotPath("colorbar.png")));
    // The bar's axis is 25 + 15 pixels in from the right edge (0.1 units of 150 pixels each).
    const QRgb top = image.pixel(760, 200);
    const QRgb bottom = image.pixel(760, 400);
    EXPECT_GT(qBlue(top), 200);
    EXPECT_LT(qRed(top), 50);
    EXPECT_GT(qRed(bottom), 200);
    EXPECT_LT(qBlue(bottom), 50);
    // White labels to the left of the bar, from the foot (y = 450) to the top (y = 150).
    EXPECT_FALSE(InkBox(image, QRect(600, 430, 130, 40)).isEmpty());
    EXPECT_FALSE(InkBox(image, QRect(600, 130, 130, 40)).isEmpty());
    glDeleteTextures(1, &texture);
}

// A whole picture as the viewer composes it: a coloured height field seen from the front at a
// pitch of 60 degrees, its axes with labels and units, the bounding box, the colour bar and the
// on-screen block. The images are kept in the test folder for a person to look at.
void DrawScene(const GlCanvas& canvas, const std::vector<ColorRGBA>& table) {
    ViewState view;
    view.Rotate = 20;
    view.Pitch = 60;
    view.TextFlags = 0x3;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, double(canvas.Width()) / canvas.Height(), 0.5, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const double a = (view.Pitch + 90) * 3.14159265 / 180;
    gluLookAt(0, 16 * std::cos(a), 16 * std::sin(a), 0, 0, 0, 0, 1, 0);
    glRotatef(view.Rotate, 0, 0, 1);

    MeshParams params;
    params.XExtent = 20;
    params.YExtent = 20;
    const float h = 10 * params.ZScale;
    glBegin(GL_QUADS);
    for (int i = 0; i < 40; ++i) {
        for (int j = 0; j < 40; ++j) {
            for (const auto& [di, dj] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}}) {
                const float x = -5 + 0.25f * (i + di);
                const float y = -5 + 0.25f * (j + dj);
                const float z = 0.5f * h * (1 + std::sin(x) * std::cos(y));
                const ColorRGBA& c = table[static_cast<std::size_t>(z / h * (table.size() - 1))];
                glColor3ub(c.r, c.g, c.b);
                glVertex3f(x, y, z);
            }
        }
    }
    glEnd();

    AxesOptions options;
    options.Flags = 0x17f | AxesAutoLabelColor | AxesBoundingBox;
    SetReferenceAxes(&options);
    DrawAxes(view, options, params);

    unsigned texture = 0;
    glPushMatrix();
    DrawColorBar(view, options, 5, table, canvas.Width(), canvas.Height(), &texture);
    glPopMatrix();
    glDeleteTextures(1, &texture);
    DrawOnscreenBlock(view);
}

TEST(TextGl, SceneScreenshotsAtOneAndThreeTimesTheWindow) {
    std::vector<std::uint32_t> packed;
    CColorTableHandler tables;
    ASSERT_GT(tables.AllocEntries(CColorTableHandler::GetDefaultIndex(), &packed), 0);
    std::vector<ColorRGBA> table;
    for (const std::uint32_t v : packed) {
        table.push_back({std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v), 255});
    }
    for (const int factor : {1, 3}) {
        GlCanvas canvas(800 * factor, 600 * factor);
        ASSERT_TRUE(canvas.IsReady());
        canvas.Clear();
        DrawScene(canvas, table);
        const QImage image = canvas.Read();
        image.save(QString::fromStdString(ShotPath("scene-x" + std::to_string(factor) + ".png")));
        // The bar's top shows the table's last entry, its foot the first.
        const int x = canvas.Width() - 25 - 15 * factor; // 25 pixels, then 0.1 units in
        const QRgb top = image.pixel(x, canvas.Height() / 4 + 5 * factor);
        const QRgb foot = image.pixel(x, canvas.Height() * 3 / 4 - 5 * factor);
        EXPECT_NEAR(qRed(top), table.back().r, 8) << factor;
        EXPECT_NEAR(qGreen(top), table.back().g, 8) << factor;
        EXPECT_NEAR(qRed(foot), table.front().r, 8) << factor;
        EXPECT_NEAR(qGreen(foot), table.front().g, 8) << factor;
    }
}

} // namespace

// Listing the tests (as the build does) needs no display; running them does.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
