// Handle validation and forwarding to the render objects.
#include "render/CRenderFacade.h"

#include "CColorTableObject.h"
#include "CContextObject.h"
#include "CDrawEngineGeneric.h"
#include "CEngineMakerData.h"
#include "CMeshComposite.h"
#include "CMeshObject.h"
#include "CRenderObjectContainer.h"
#include "DibLayout.h"

#include <QOffscreenSurface>

#include <cstdlib>
#include <memory>

namespace {
CRenderObjectContainer& Registry() {
    return CRenderObjectContainer::Instance();
}

CContextObject* AsContext(RenderHandle handle) {
    return Registry().IsValid(handle, BlockType::Context)
               ? static_cast<CContextObject*>(static_cast<CObjectContainerElement*>(handle))
               : nullptr;
}

CMeshObject* AsMesh(RenderHandle handle) {
    return Registry().IsValid(handle, BlockType::Mesh)
               ? static_cast<CMeshObject*>(static_cast<CObjectContainerElement*>(handle))
               : nullptr;
}

RenderHandle ToHandle(CObjectContainerElement* element) {
    return element;
}

CColorTableObject* FindTable(int key) {
    return static_cast<CColorTableObject*>(Registry().Find(BlockType::ColorTable, key));
}

void TearDownAtExit() {
    // Objects first, then the shared master context.
    Registry().TearDown();
    CEngineMakerData::Instance().Release();
}
} // namespace

CRenderFacade& CRenderFacade::Instance() {
    static CRenderFacade* facade = [] {
        Registry();
        std::atexit(&TearDownAtExit);
        return new CRenderFacade;
    }();
    return *facade;
}

RenderHandle CRenderFacade::CreateContext(QWindow* window, QOffscreenSurface* dc, ContextKind kind) {
    auto* context = new CContextObject;
    context->Notify(ObjectEventCode::Created);
    ContextInfo& info = context->MutableInfo();
    info.Window = window;
    info.Dc = dc;
    info.Kind = kind;
    context->SetEngine(std::make_unique<CDrawEngineGeneric>());
    context->Engine()->Attach(context);
    auto* scene = new CMeshComposite;
    scene->Notify(ObjectEventCode::Created);
    context->SetOwnScene(scene);
    return ToHandle(context);
}

RenderHandle CRenderFacade::CreateWindowContext(QWindow* window) {
    return CreateContext(window, nullptr, ContextKind::Window);
}

RenderHandle CRenderFacade::CreateMemoryContext(QWindow* window, QOffscreenSurface* dc) {
    return CreateContext(window, dc, ContextKind::Memory);
}

bool CRenderFacade::ReleaseContext(RenderHandle handle) {
    CContextObject* context = AsContext(handle);
    if (context == nullptr)
        return false;
    context->Notify(ObjectEventCode::Destroyed);
    delete context;
    return true;
}

bool CRenderFacade::GetContextInfo(RenderHandle handle, ContextInfo& info) {
    const CContextObject* context = AsContext(handle);
    if (context == nullptr)
        return false;
    info = context->Info();
    return true;
}

bool CRenderFacade::GetViewState(RenderHandle handle, ViewState& state) {
    const CContextObject* context = AsContext(handle);
    if (context == nullptr)
        return false;
    state = context->GetViewState();
    return true;
}

bool CRenderFacade::SetViewState(RenderHandle handle, const ViewState& state) {
    CContextObject* context = AsContext(handle);
    if (context == nullptr)
        return false;
    context->SetViewState(state);
    return true;
}

bool CRenderFacade::ShareScene(RenderHandle targetHandle, RenderHandle sourceHandle) {
    CContextObject* target = AsContext(targetHandle);
    const CContextObject* source = AsContext(sourceHandle);
    if (target == nullptr || source == nullptr || target == source)
        return false;
    target->SetViewState(source->GetViewState());
    target->BorrowScene(source->Scene());
    return true;
}

void CRenderFacade::UnshareScene(RenderHandle handle) {
    if (CContextObject* context = AsContext(handle))
        context->ForgetScene();
}

void CRenderFacade::DrawContext(RenderHandle handle, int width, int height) {
    CContextObject* context = AsContext(handle);
    if (context == nullptr)
        return;
    context->Engine()->Attach(context);
    context->Engine()->Render(width, height);
}

std::vector<std::uint8_t> CRenderFacade::RenderToDib(RenderHandle handle, int width, int height,
                                                     bool infoHeaderOnly) {
    CContextObject* context = AsContext(handle);
    if (context == nullptr || width < 0 || height < 0)
        return {};
    std::vector<std::uint8_t> dib = MakeDibBuffer(width, height, infoHeaderOnly);
    context->Engine()->Attach(context);
    context->Engine()->Render(width, height, dib.data() + DibPixelOffset(infoHeaderOnly));
    // A block of unread pixels would pass for a picture and be saved as one.
    if (width > 0 && height > 0 && !context->Engine()->ReadBack())
        return {};
    return dib;
}

RenderHandle CRenderFacade::CreateMesh(int columns, int rows) {
    auto* mesh = new CMeshObject;
    mesh->Notify(ObjectEventCode::Created);
    if (!mesh->Initialise(columns, rows)) {
        mesh->Notify(ObjectEventCode::Destroyed);
        delete mesh;
        return nullptr;
    }
    return ToHandle(mesh);
}

RenderHandle CRenderFacade::CreateDecimatedMesh(int columns, int rows, int meshColumns, int meshRows) {
    auto* mesh = new CMeshObject;
    mesh->Notify(ObjectEventCode::Created);
    if (!mesh->InitialiseDecimated(columns, rows, meshColumns, meshRows)) {
        mesh->Notify(ObjectEventCode::Destroyed);
        delete mesh;
        return nullptr;
    }
    return ToHandle(mesh);
}

bool CRenderFacade::ReleaseMesh(RenderHandle handle) {
    CMeshObject* mesh = AsMesh(handle);
    if (mesh == nullptr)
        return false;
    mesh->ReleaseGpuBuffers();
    mesh->Notify(ObjectEventCode::Destroyed);
    delete mesh;
    return true;
}

bool CRenderFacade::GetMeshParams(RenderHandle handle, MeshParams& params) {
    const CMeshObject* mesh = AsMesh(handle);
    if (mesh == nullptr)
        return false;
    params = mesh->GetMeshParams();
    return true;
}

bool CRenderFacade::SetMeshParams(RenderHandle handle, const MeshParams& params) {
    CMeshObject* mesh = AsMesh(handle);
    if (mesh == nullptr)
        return false;
    mesh->SetMeshParams(params);
    return true;
}

bool CRenderFacade::GetAxesOptions(RenderHandle handle, AxesOptions& options) {
    const CMeshObject* mesh = AsMesh(handle);
    if (mesh == nullptr || options.Size != sizeof(AxesOptions) ||
        mesh->GetAxesOptions().Size != sizeof(AxesOptions))
        return false;
    options = mesh->GetAxesOptions();
    return true;
}

bool CRenderFacade::SetAxesOptions(RenderHandle handle, const AxesOptions& options) {
    CMeshObject* mesh = AsMesh(handle);
    if (mesh == nullptr || options.Size != sizeof(AxesOptions) ||
        mesh->GetAxesOptions().Size != sizeof(AxesOptions))
        return false;
    mesh->SetAxesOptions(options);
    return true;
}

bool CRenderFacade::LoadMeshData(RenderHandle handle, const float* values, int count) {
    CMeshObject* mesh = AsMesh(handle);
    return mesh != nullptr && mesh->LoadMeshData(values, count) == count;
}

bool CRenderFacade::SetMeshColorTable(RenderHandle handle, int key, bool use) {
    CMeshObject* mesh = AsMesh(handle);
    CColorTableObject* table = FindTable(key);
    if (mesh == nullptr || table == nullptr)
        return false;
    mesh->SetMeshColorTable(use ? table : nullptr);
    return true;
}

bool CRenderFacade::SetOverlayMesh(RenderHandle handle, RenderHandle overlayHandle) {
    CMeshObject* mesh = AsMesh(handle);
    if (mesh == nullptr)
        return false;
    CMeshObject* overlay = AsMesh(overlayHandle);
    if (overlayHandle != nullptr && overlay == nullptr)
        return false;
    mesh->SetOverlayMesh(overlay);
    return true;
}

bool CRenderFacade::AddMeshToScene(RenderHandle contextHandle, RenderHandle meshHandle) {
    CContextObject* context = AsContext(contextHandle);
    CMeshObject* mesh = AsMesh(meshHandle);
    if (context == nullptr || mesh == nullptr || context->Scene() == nullptr)
        return false;
    context->Scene()->AddMesh(mesh);
    return true;
}

bool CRenderFacade::RemoveMeshFromScene(RenderHandle contextHandle, RenderHandle meshHandle) {
    CContextObject* context = AsContext(contextHandle);
    if (context == nullptr || context->Scene() == nullptr)
        return false;
    context->MakeCurrent();
    context->Scene()->RemoveMesh(
        static_cast<CMeshObject*>(static_cast<CObjectContainerElement*>(meshHandle)));
    return true;
}

bool CRenderFacade::SetColorTable(int key, const std::uint32_t* values, int count) {
    if (key < 0)
        return false;
    CColorTableObject* table = FindTable(key);
    if (table == nullptr) {
        table = new CColorTableObject;
        table->Notify(ObjectEventCode::Created);
        table->Key = key;
    }
    table->SetEntries(values, count);
    table->Notify(ObjectEventCode::Changed);
    return true;
}

namespace {
bool NoMesh(std::string* error) {
    if (error != nullptr)
        *error = "there is no surface to export";
    return false;
}
} // namespace

bool CRenderFacade::ExportStl(const std::string& path, RenderHandle handle, bool, bool withColor,
                              std::string* error) {
    CMeshObject* mesh = AsMesh(handle);
    return mesh != nullptr ? mesh->WriteSTL(path, withColor, error) : NoMesh(error);
}

bool CRenderFacade::ExportVrml(const std::string& path, RenderHandle handle, std::string* error) {
    CMeshObject* mesh = AsMesh(handle);
    return mesh != nullptr ? mesh->WriteVRML(path, true, error) : NoMesh(error);
}
