// Frames per second of a lit 1024 x 1024 mesh at 1024 x 768, in a memory context (client
// arrays) and a window context (buffer objects when offered). Needs a display: run it under
// xvfb-run for Mesa's software renderer.
#include "bench/BenchRow.h"
#include "render/CRenderFacade.h"

#include <QGuiApplication>
#include <QWindow>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
double FramesPerSecond(CRenderFacade& facade, RenderHandle context, RenderHandle mesh) {
    facade.AddMeshToScene(context, mesh);
    ViewState s;
    facade.GetViewState(context, s);
    s.Pitch = 30.0f;
    s.ShowLights = true;
    facade.SetViewState(context, s);
    facade.DrawContext(context, 1024, 768); // builds the drawable copy
    constexpr int frames = 10;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i)
        facade.DrawContext(context, 1024, 768);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    facade.RemoveMeshFromScene(context, mesh);
    return frames / seconds;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    CRenderFacade& facade = CRenderFacade::Instance();
    RenderHandle memory = facade.CreateMemoryContext(nullptr, nullptr);
    ContextInfo info;
    if (!facade.GetContextInfo(memory, info) || info.GlContext == nullptr) {
        std::fprintf(stderr, "bench_render_fps: no GL context\n");
        return 1;
    }
    constexpr int n = 1024;
    std::vector<float> heights(static_cast<std::size_t>(n) * n);
    for (std::size_t i = 0; i < heights.size(); ++i)
        heights[i] =
            std::sin(0.02f * static_cast<float>(i % n)) * std::cos(0.015f * static_cast<float>(i / n));
    RenderHandle mesh = facade.CreateMesh(n, n);
    MeshParams p;
    facade.GetMeshParams(mesh, p);
    p.XExtent = p.YExtent = 1.0f;
    p.ZOffset = -1.0f;
    p.ZRange = 2.0f;
    facade.SetMeshParams(mesh, p);
    facade.LoadMeshData(mesh, heights.data(), n * n);
    std::vector<std::uint32_t> grays(256);
    for (std::uint32_t i = 0; i < 256; ++i)
        grays[i] = i << 16 | i << 8 | i;
    facade.SetColorTable(8, grays.data(), 256);
    facade.SetMeshColorTable(mesh, 8, true);

    const double memoryFps = FramesPerSecond(facade, memory, mesh);
    std::printf("frame rate, 1024 x 1024 mesh at 1024 x 768, memory context: %.2f fps\n", memoryFps);
    PrintBenchRow("frame time, 1024^2 mesh, software renderer", 1000 / memoryFps, "ms", "-", 0,
                  "memory context, 1024 x 768");
    QWindow window;
    window.resize(1024, 768);
    window.setSurfaceType(QSurface::OpenGLSurface);
    window.show();
    RenderHandle onScreen = facade.CreateWindowContext(&window);
    std::printf("frame rate, 1024 x 1024 mesh at 1024 x 768, window context: %.2f fps\n",
                FramesPerSecond(facade, onScreen, mesh));
    facade.ReleaseMesh(mesh);
    facade.ReleaseContext(onScreen);
    facade.ReleaseContext(memory);
    return 0;
}
