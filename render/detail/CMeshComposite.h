// The scene of one context: its meshes (not owned), its colour bar and the axes hooks.
#pragma once

#include "CBlockObject.h"

#include <vector>

class CColorBarObject;
class CContextObject;
class CMeshObject;

class CMeshComposite : public CBlockObject {
public:
    CMeshComposite();
    ~CMeshComposite() override;

    void OnNotify(const ObjectEvent& event) override;
    bool IsDirty() const override;
    void ClearDirty() override;

    void AddMesh(CMeshObject* mesh);
    void RemoveMesh(CMeshObject* mesh);
    // The first mesh of the list when it is still a valid mesh.
    CMeshObject* FirstMesh() const;
    CColorBarObject* ColorBar() const;

    // Draws the first mesh only, then its axes and bounding box.
    void Draw(CContextObject* context);
    // The colour bar in its own projection.
    void DrawColorBar(const CContextObject* context);

private:
    // Axes, ticks, labels and the bounding box of the drawn mesh belong to the axes module.
    void DrawAxes(const CContextObject& context, const CMeshObject& mesh);

    std::vector<CMeshObject*> meshes;
    CColorBarObject* colorBar = nullptr;
    bool changed = true;
};
