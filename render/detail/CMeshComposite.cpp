// The scene: a list of mesh pointers re-validated before every use.
#include "render/detail/CMeshComposite.h"

#include "render/detail/CColorBarObject.h"
#include "render/detail/CMeshObject.h"
#include "render/detail/CRenderObjectContainer.h"

#include <algorithm>

CMeshComposite::CMeshComposite() : CBlockObject(BlockType::MeshComposite) {}

CMeshComposite::~CMeshComposite() {
    if (CColorBarObject* bar = ColorBar()) {
        bar->Notify(ObjectEventCode::Destroyed);
        delete bar;
    }
}

void CMeshComposite::OnNotify(const ObjectEvent& event) {
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
    DrawAxes(*mesh);
}

void CMeshComposite::DrawAxes(const CMeshObject&) {}

void CMeshComposite::DrawColorBar(const CContextObject*) {}
