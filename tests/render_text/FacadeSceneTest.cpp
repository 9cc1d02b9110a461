// The whole frame through the facade: a surface with axes, labels, bounding box, colour bar and
// the on-screen block, rendered off-screen at the window size and at three times that size.
#include "render/CColorTableHandler.h"
#include "render/CRenderFacade.h"
#include "tests/render/ReferenceAxes.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>

namespace {

QImage DibToImage(const std::vector<std::uint8_t>& dib, int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = dib.data() + 40 + static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]));
        }
    }
    return image;
}

TEST(FacadeScene, FrameShowsAxesColourBarAndViewText) {
    CRenderFacade& facade = CRenderFacade::Instance();
    const RenderHandle context = facade.CreateMemoryContext(nullptr, nullptr);
    ASSERT_NE(context, nullptr);
    constexpr int kSide = 64;
    const RenderHandle mesh = facade.CreateMesh(kSide, kSide);
    ASSERT_NE(mesh, nullptr);
    std::vector<float> heights;
    for (int j = 0; j < kSide; ++j) {
        for (int i = 0; i < kSide; ++i) {
            heights.push_back(20 + 20 * std::sin(i * 0.2f) * std::cos(j * 0.15f));
        }
    }
    ASSERT_TRUE(facade.LoadMeshData(mesh, heights.data(), static_cast<int>(heights.size())));
    MeshParams params;
    ASSERT_TRUE(facade.GetMeshParams(mesh, params));
    params.XExtent = 20;
    params.YExtent = 20;
    params.ZOffset = 0;
    params.ZRange = 40;
    ASSERT_TRUE(facade.SetMeshParams(mesh, params));

    std::vector<std::uint32_t> table;
    CColorTableHandler tables;
    ASSERT_GT(tables.AllocEntries(CColorTableHandler::GetDefaultIndex(), &table), 0);
    ASSERT_TRUE(facade.SetColorTable(50, table.data(), static_cast<int>(table.size())));
    ASSERT_TRUE(facade.SetMeshColorTable(mesh, 50, true));

    AxesOptions options;
    ASSERT_TRUE(facade.GetAxesOptions(mesh, options));
    options.Flags = 0x17f | AxesBoundingBox;
    SetReferenceAxes(&options);
    ASSERT_TRUE(facade.SetAxesOptions(mesh, options));
    AxesOptions wrongSize = options;
    wrongSize.Size = 80;
    EXPECT_FALSE(facade.SetAxesOptions(mesh, wrongSize));
    EXPECT_FALSE(facade.GetAxesOptions(mesh, wrongSize));
    ASSERT_TRUE(facade.AddMeshToScene(context, mesh));

    ViewState view;
    ASSERT_TRUE(facade.GetViewState(context, view));
    view.Rotate = 20;
    view.Pitch = 60;
    view.Zoom = 0.8f;
    view.ShowColorbar = true;
    view.TextFlags = 0x2;
    ASSERT_TRUE(facade.SetViewState(context, view));

    for (const int factor : {1, 3}) {
        const int width = 800 * factor;
        const int height = 600 * factor;
        const std::vector<std::uint8_t> dib = facade.RenderToDib(context, width, height, true);
        ASSERT_GE(dib.size(), 40u + static_cast<std::size_t>(width) * 3 * height);
        const QImage image = DibToImage(dib, width, height);
        image.save(QString::fromStdString("render_text_facade-x" + std::to_string(factor) + ".png"));

        // Colour bar: the table's last entry at the top, its first at the foot.
        const int barX = width - 25 - 15 * factor;
        const QRgb top = image.pixel(barX, height / 4 + 5 * factor);
        const QRgb foot = image.pixel(barX, height * 3 / 4 - 5 * factor);
        EXPECT_NEAR(qRed(top), int(table.back() >> 16 & 0xFF), 10) << factor;
        EXPECT_NEAR(qRed(foot), int(table.front() >> 16 & 0xFF), 10) << factor;
        // The view block in the on-screen colour at the top-left corner.
        bool green = false;
        for (int y = 10; y < 30 && !green; ++y) {
            for (int x = 10; x < 60 && !green; ++x) {
                const QRgb p = image.pixel(x, y);
                green = qGreen(p) > 120 && qRed(p) < 40 && qBlue(p) < 40;
            }
        }
        EXPECT_TRUE(green) << factor;
        // White label pixels on the black background left of the bar.
        int white = 0;
        for (int y = height / 4; y < height * 3 / 4; ++y) {
            for (int x = barX - 40 * factor; x < barX - 16 * factor; ++x) {
                white += qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) > 200;
            }
        }
        EXPECT_GT(white, 20 * factor) << factor;
    }
    facade.ReleaseMesh(mesh);
    facade.ReleaseContext(context);
}

} // namespace
