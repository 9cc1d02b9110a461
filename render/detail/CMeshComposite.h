// The scene of one context: its meshes (not owned), its colour bar and the axes hooks.
#pragma once

#include "CBlockObject.h"
#include "render/AxesOptions.h"

#include <vector>

class CColorBarObject;
class CColorTableObject;
class CContextObject;
class CMeshObject;

// What the colour bar describes: the colours on the surface, so those of the overlay while one
// colours it (its table, its range and unit), with the label colour of the surface itself.
struct ColorBarSource {
    const CColorTableObject* table = nullptr;
    AxesOptions options;
};
ColorBarSource ColorBarSourceOf(const CMeshObject& surface);

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
