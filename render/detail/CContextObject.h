// One render context: its GL context and surface, view record, draw engine and scene.
#pragma once

#include "render/ContextInfo.h"
#include "render/ViewState.h"
#include "CBlockObject.h"

#include <memory>

class CDrawEngineBase;
class CMeshComposite;

class CContextObject : public CBlockObject {
public:
    CContextObject();
    ~CContextObject() override;

    void OnNotify(const ObjectEvent& event) override;
    bool IsDirty() const override;
    void ClearDirty() override;

    const ContextInfo& Info() const { return info; }
    ContextInfo& MutableInfo() { return info; }

    ViewState GetViewState() const { return view; }
    // Stores the record with its limits applied and marks the context changed.
    void SetViewState(const ViewState& state);

    CDrawEngineBase* Engine() const { return engine.get(); }
    void SetEngine(std::unique_ptr<CDrawEngineBase> drawEngine);

    // The scene when it is still a valid object, else null.
    CMeshComposite* Scene() const;
    void SetOwnScene(CMeshComposite* composite);
    void BorrowScene(CMeshComposite* composite);
    void ForgetScene();

    bool MakeCurrent() const;

private:
    ContextInfo info;
    ViewState view;
    bool changed = true;
    std::unique_ptr<CDrawEngineBase> engine;
    CMeshComposite* scene = nullptr;
    bool ownsScene = false;
};
