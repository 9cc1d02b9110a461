// The GL test fixture.
#include "GlFixture.h"

#include "render/CColorTableHandler.h"
#include "CMeshObject.h"

#include <QDir>
#include <QImage>
#include <QOpenGLContext>

Rgb Frame::At(int x, int y) const {
    const std::size_t row = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::uint8_t* p = dib.data() + 54 + static_cast<std::size_t>(height - 1 - y) * row + 3 * x;
    return Rgb{p[2], p[1], p[0]};
}

void Frame::Save(const std::string& name) const {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = At(x, y);
            image.setPixel(x, y, qRgb(c.r, c.g, c.b));
        }
    }
    QDir().mkpath(QV_SCREENSHOT_DIR);
    image.save(QString(QV_SCREENSHOT_DIR) + "/" + QString::fromStdString(name) + ".png");
}

void GlTest::SetUp() {
    context = facade.CreateMemoryContext(nullptr, nullptr);
    ContextInfo info;
    if (!facade.GetContextInfo(context, info) || info.GlContext == nullptr)
        GTEST_SKIP() << "no GL context (run under xvfb-run)";
    CColorTableHandler handler;
    std::vector<std::uint32_t> entries(512);
    const int count = handler.FillEntries(kGrays, entries.data(), 512);
    facade.SetColorTable(kGrays, entries.data(), count);
}

void GlTest::TearDown() {
    for (RenderHandle mesh : meshes)
        facade.ReleaseMesh(mesh);
    facade.ReleaseContext(context);
}

Frame GlTest::Render(RenderHandle ctx, int width, int height) {
    Frame frame;
    frame.width = width;
    frame.height = height;
    frame.dib = facade.RenderToDib(ctx, width, height, false);
    return frame;
}

RenderHandle GlTest::MakeMesh(int columns, int rows, const std::vector<float>& heights) {
    RenderHandle mesh = facade.CreateMesh(columns, rows);
    meshes.push_back(mesh);
    MeshParams p;
    facade.GetMeshParams(mesh, p);
    p.XExtent = 1.0f;
    p.YExtent = 1.0f;
    p.ZOffset = 0.0f;
    p.ZRange = 1.0f;
    facade.SetMeshParams(mesh, p);
    facade.LoadMeshData(mesh, heights.data(), static_cast<int>(heights.size()));
    facade.SetMeshColorTable(mesh, kGrays, true);
    return mesh;
}

void GlTest::LookFromAbove(RenderHandle ctx, ColorRGBA back) {
    ViewState s;
    facade.GetViewState(ctx, s);
    s.Pitch = 0.0f;
    s.BackColor = back;
    facade.SetViewState(ctx, s);
}

CMeshObject* GlTest::Mesh(RenderHandle handle) {
    return static_cast<CMeshObject*>(static_cast<CObjectContainerElement*>(handle));
}
