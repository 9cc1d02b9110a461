// The context object: view record, scene ownership and making its GL context current.
#include "CContextObject.h"

#include "CColorBarObject.h"
#include "CDrawEngineBase.h"
#include "CMeshComposite.h"
#include "CRenderObjectContainer.h"
#include "GlContextOps.h"
#include "ViewStateLimits.h"

CContextObject::CContextObject() : CBlockObject(BlockType::Context) {}

CContextObject::~CContextObject() {
    // The scene's colour bar holds a texture of this context: delete it with the context current.
    MakeCurrent();
    if (CMeshComposite* own = ownsScene ? Scene() : nullptr) {
        own->Notify(ObjectEventCode::Destroyed);
        delete own;
    }
    engine.reset();
}

void CContextObject::OnNotify(const ObjectEvent&) {}

bool CContextObject::IsDirty() const {
    return changed;
}

void CContextObject::ClearDirty() {
    changed = false;
}

void CContextObject::SetViewState(const ViewState& state) {
    const CMeshComposite* composite = Scene();
    view = LimitViewState(state, composite != nullptr && composite->ColorBar() != nullptr);
    if (composite != nullptr && composite->ColorBar() != nullptr)
        composite->ColorBar()->SetTickCount(view.ColorbarTicks);
    changed = true;
    if (engine)
        engine->OnViewStateChanged();
}

void CContextObject::SetEngine(std::unique_ptr<CDrawEngineBase> drawEngine) {
    engine = std::move(drawEngine);
}

CMeshComposite* CContextObject::Scene() const {
    return CRenderObjectContainer::Instance().IsValid(scene, BlockType::MeshComposite) ? scene : nullptr;
}

void CContextObject::SetOwnScene(CMeshComposite* composite) {
    scene = composite;
    ownsScene = true;
}

void CContextObject::BorrowScene(CMeshComposite* composite) {
    if (ownsScene) {
        if (CMeshComposite* own = Scene()) {
            own->Notify(ObjectEventCode::Destroyed);
            delete own;
        }
    }
    scene = composite;
    ownsScene = false;
}

void CContextObject::ForgetScene() {
    scene = nullptr;
    ownsScene = false;
}

bool CContextObject::MakeCurrent() const {
    // At process exit the GUI or EGL may already be gone; the context then refuses.
    return MakeGlContextCurrent(info);
}
