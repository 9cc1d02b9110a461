// The scene: a list of mesh pointers re-validated before every use.
#include <GL/glew.h>

#include "CMeshComposite.h"

#include "AxesDrawer.h"
#include "ColorBarDrawer.h"
#include "CColorTableObject.h"
#include "CContextObject.h"

#include "CColorBarObject.h"
#include "CMeshObject.h"
#include "CRenderObjectContainer.h"

#include <algorithm>

CMeshComposite::CMeshComposite() : CBlockObject(BlockType::MeshComposite) {}

CMeshComposite::~CMeshComposite() {
    if (CColorBarObject* bar = ColorBar()) {
        bar->Notify(ObjectEventCode::Destroyed);
        delete bar;
    }
}

void CMeshComposite::OnNotify(const ObjectEvent& event) {
    // A destroyed mesh leaves the list: a new mesh at its address was never added here.
    if (event.Type == BlockType::Mesh && event.Code == ObjectEventCode::Destroyed) {
        const auto gone = [&](CMeshObject* mesh) { return static_cast<CBlockObject*>(mesh) == event.Sender; };
        if (std::erase_if(meshes, gone) != 0)
            changed = true;
        return;
    }
    if (event.Type != BlockType::ColorTable || event.Code != ObjectEventCode::Changed)
        return;
    CColorBarObject* bar = ColorBar();
    if (bar == nullptr)
        return;
    auto& container = CRenderObjectContainer::Instance();
    for (CMeshObject* mesh : meshes) {
        if (container.IsValid(mesh, BlockType::Mesh) && mesh->SelectedKey() == event.Sender->Key)
            bar->DeleteTexture();
    }
}

bool CMeshComposite::IsDirty() const {
    return changed;
}

void CMeshComposite::ClearDirty() {
    changed = false;
}

void CMeshComposite::AddMesh(CMeshObject* mesh) {
    meshes.push_back(mesh);
    if (ColorBar() == nullptr) {
        colorBar = new CColorBarObject;
        colorBar->Notify(ObjectEventCode::Created);
    }
    // The bar shows the table of the mesh just added: drop whatever it was built from.
    colorBar->DeleteTexture();
    changed = true;
}

void CMeshComposite::RemoveMesh(CMeshObject* mesh) {
    std::erase(meshes, mesh);
    changed = true;
}

CMeshObject* CMeshComposite::FirstMesh() const {
    if (meshes.empty())
        return nullptr;
    CMeshObject* first = meshes.front();
    return CRenderObjectContainer::Instance().IsValid(first, BlockType::Mesh) ? first : nullptr;
}

CColorBarObject* CMeshComposite::ColorBar() const {
    return CRenderObjectContainer::Instance().IsValid(colorBar, BlockType::ColorBar) ? colorBar : nullptr;
}

void CMeshComposite::Draw(CContextObject* context) {
    CMeshObject* mesh = FirstMesh();
    if (mesh == nullptr)
        return;
    mesh->Draw(context);
    DrawAxes(*context, *mesh);
}

void CMeshComposite::DrawAxes(const CContextObject& context, const CMeshObject& mesh) {
    ::DrawAxes(context.GetViewState(), mesh.GetAxesOptions(), mesh.GetMeshParams());
}

ColorBarSource ColorBarSourceOf(const CMeshObject& surface) {
    const CMeshObject& colours = surface.ColoursFrom();
    ColorBarSource source{colours.ValidTable(), colours.GetAxesOptions()};
    source.options.Flags = surface.GetAxesOptions().Flags;
    return source;
}

void CMeshComposite::DrawColorBar(const CContextObject* context) {
    CColorBarObject* bar = ColorBar();
    const CMeshObject* mesh = FirstMesh();
    if (context == nullptr || bar == nullptr || mesh == nullptr)
        return;
    const ColorBarSource source = ColorBarSourceOf(*mesh);
    bar->UseTable(source.table);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    ::DrawColorBar(context->GetViewState(), source.options, bar->TickCount(),
                   source.table != nullptr ? source.table->Entries() : std::vector<ColorRGBA>{}, viewport[2],
                   viewport[3], bar->TextureName());
}
