// The reference frame, built through the facade only.
#include "ReferenceScene.h"

#include "render/CColorTableHandler.h"
#include "render/CRenderFacade.h"
#include "tests/render/ReferenceAxes.h"

#include <cmath>

std::vector<std::uint8_t> DrawReferenceScene(int width, int height) {
    CRenderFacade& facade = CRenderFacade::Instance();
    const RenderHandle context = facade.CreateMemoryContext(nullptr, nullptr);
    ContextInfo info;
    if (!facade.GetContextInfo(context, info) || info.GlContext == nullptr) {
        facade.ReleaseContext(context);
        return {};
    }
    constexpr int kSide = 48;
    const RenderHandle mesh = facade.CreateMesh(kSide, kSide);
    std::vector<float> heights;
    for (int j = 0; j < kSide; ++j)
        for (int i = 0; i < kSide; ++i)
            heights.push_back(20 + 20 * std::sin(i * 0.25f) * std::cos(j * 0.2f));
    facade.LoadMeshData(mesh, heights.data(), static_cast<int>(heights.size()));
    MeshParams params;
    facade.GetMeshParams(mesh, params);
    params.XExtent = 20;
    params.YExtent = 20;
    params.ZOffset = 0;
    params.ZRange = 40;
    facade.SetMeshParams(mesh, params);

    std::vector<std::uint32_t> table;
    CColorTableHandler tables;
    tables.AllocEntries(CColorTableHandler::GetDefaultIndex(), &table);
    facade.SetColorTable(50, table.data(), static_cast<int>(table.size()));
    facade.SetMeshColorTable(mesh, 50, true);

    AxesOptions options;
    facade.GetAxesOptions(mesh, options);
    options.Flags = 0x17f | AxesBoundingBox;
    SetReferenceAxes(&options);
    facade.SetAxesOptions(mesh, options);
    facade.AddMeshToScene(context, mesh);

    ViewState view;
    facade.GetViewState(context, view);
    view.Rotate = 20;
    view.Pitch = 60;
    view.Zoom = 0.8f;
    view.ShowLights = true;
    view.ShowColorbar = true;
    view.TextFlags = 0x2;
    facade.SetViewState(context, view);

    std::vector<std::uint8_t> dib = facade.RenderToDib(context, width, height, false);
    facade.ReleaseMesh(mesh);
    facade.ReleaseContext(context);
    return dib;
}
