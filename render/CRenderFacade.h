// The one front object of the render engine. Handles are opaque; every operation validates
// its handle against the registry and its type, and an invalid handle is a no-op returning
// false, null or an empty result.
#pragma once

#include "render/AxesOptions.h"
#include "render/ContextInfo.h"
#include "render/MeshParams.h"
#include "render/ViewState.h"

#include <cstdint>
#include <string>
#include <vector>

class QOffscreenSurface;

using RenderHandle = void*;

class CRenderFacade {
public:
    static CRenderFacade& Instance(); // created on first use, torn down at exit

    CRenderFacade() = default;
    CRenderFacade(const CRenderFacade&) = delete;
    CRenderFacade& operator=(const CRenderFacade&) = delete;
    virtual ~CRenderFacade() = default;

    // Contexts. A memory context draws off-screen into `dc` (created when null), which it owns.
    RenderHandle CreateWindowContext(QWindow* window);
    RenderHandle CreateMemoryContext(QWindow* window, QOffscreenSurface* dc);
    bool ReleaseContext(RenderHandle context);
    bool GetContextInfo(RenderHandle context, ContextInfo& info);
    bool GetViewState(RenderHandle context, ViewState& state);
    bool SetViewState(RenderHandle context, const ViewState& state);
    bool ShareScene(RenderHandle target, RenderHandle source);
    void UnshareScene(RenderHandle context);
    void DrawContext(RenderHandle context, int width, int height);
    // A bottom-up 24-bit DIB: 14-byte file header unless `infoHeaderOnly`, 40-byte info
    // header, rows of width x 3 bytes rounded up to 4. Empty when the context is invalid or no
    // frame could be read back (the context cannot be made current, the frame buffer is too big).
    std::vector<std::uint8_t> RenderToDib(RenderHandle context, int width, int height, bool infoHeaderOnly);

    // Meshes.
    RenderHandle CreateMesh(int columns, int rows);
    RenderHandle CreateDecimatedMesh(int columns, int rows, int meshColumns, int meshRows);
    bool ReleaseMesh(RenderHandle mesh);
    bool GetMeshParams(RenderHandle mesh, MeshParams& params);
    bool SetMeshParams(RenderHandle mesh, const MeshParams& params);
    // Refused unless the record's Size is 84 on both sides.
    bool GetAxesOptions(RenderHandle mesh, AxesOptions& options);
    bool SetAxesOptions(RenderHandle mesh, const AxesOptions& options);
    bool LoadMeshData(RenderHandle mesh, const float* values, int count);
    bool SetMeshColorTable(RenderHandle mesh, int key, bool use);
    bool SetOverlayMesh(RenderHandle mesh, RenderHandle overlay);
    bool AddMeshToScene(RenderHandle context, RenderHandle mesh);
    bool RemoveMeshFromScene(RenderHandle context, RenderHandle mesh);

    // Colour tables: 0x00RRGGBB entries under a non-negative key.
    bool SetColorTable(int key, const std::uint32_t* values, int count);

    // Closed-solid exports of a mesh that has been drawn; `unused` has no effect. False when
    // nothing was written, with a one-line reason in `error` when given.
    bool ExportStl(const std::string& path, RenderHandle mesh, bool unused, bool withColor,
                   std::string* error = nullptr);
    bool ExportVrml(const std::string& path, RenderHandle mesh, std::string* error = nullptr);

private:
    RenderHandle CreateContext(QWindow* window, QOffscreenSurface* dc, ContextKind kind);
};
