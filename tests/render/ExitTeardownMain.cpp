// Objects the program never released are deleted at exit, after the GUI application is gone:
// the process must still end cleanly (exit code 0, no crash inside Qt or GL).
#include "render/CRenderFacade.h"

#include <QGuiApplication>

#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    const char* display = std::getenv("DISPLAY");
    qputenv("QT_QPA_PLATFORM", display != nullptr && *display != '\0' ? "xcb" : "offscreen");
    QGuiApplication app(argc, argv);
    CRenderFacade& facade = CRenderFacade::Instance();
    RenderHandle context = facade.CreateMemoryContext(nullptr, nullptr);
    RenderHandle mesh = facade.CreateMesh(4, 4);
    const std::vector<float> heights(16, 0.5f);
    facade.LoadMeshData(mesh, heights.data(), 16);
    const std::uint32_t grey = 0x808080;
    facade.SetColorTable(3, &grey, 1);
    facade.SetMeshColorTable(mesh, 3, true);
    facade.AddMeshToScene(context, mesh);
    facade.DrawContext(context, 16, 16);
    return 0;
}
