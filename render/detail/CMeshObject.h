// One height-field surface: its heights, record, colour table, overlay and drawable copy.
#pragma once

#include "render/AxesOptions.h"
#include "render/MeshParams.h"
#include "CBlockObject.h"
#include "CVideoMemoryMeshData.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CColorTableObject;
class CContextObject;

class CMeshObject : public CBlockObject {
public:
    CMeshObject();
    ~CMeshObject() override;

    bool IsRegistered() const override;
    void OnNotify(const ObjectEvent& event) override;
    bool IsDirty() const override;
    void ClearDirty() override;

    bool Initialise(int columns, int rows);
    bool InitialiseDecimated(int columns, int rows, int meshColumns, int meshRows);

    MeshParams GetMeshParams() const;
    void SetMeshParams(const MeshParams& record);
    AxesOptions GetAxesOptions() const { return axes; }
    void SetAxesOptions(const AxesOptions& record) { axes = record; }
    // Returns the number of values taken.
    int LoadMeshData(const float* values, int count);
    // `table` null selects the mesh's own grey table.
    void SetMeshColorTable(CColorTableObject* table);
    void SetOverlayMesh(CMeshObject* overlay);

    void Draw(CContextObject* context);
    void ReleaseGpuBuffers();

    // False when nothing was written, with the reason in `error` when given.
    bool WriteSTL(const std::string& path, bool withColor, std::string* error = nullptr);
    bool WriteVRML(const std::string& path, bool withColor, std::string* error = nullptr);

    std::int32_t ChangeCount() const { return changeCount; }
    int SelectedKey() const { return selectedKey; }
    const CVideoMemoryMeshData& GpuData() const { return *gpu; }
    const std::vector<int>& ColumnTable() const { return columnTable; }
    const std::vector<int>& RowTable() const { return rowTable; }
    // The selected colour table when it is still registered (the colour bar shows it).
    const CColorTableObject* ValidTable() const;
    // The mesh whose heights and table give the colours: the overlay while it is valid and of the
    // same size, else this one.
    const CMeshObject& ColoursFrom() const;

private:
    bool Setup(int columns, int rows, int meshColumns, int meshRows);
    std::size_t PointCount() const;
    CMeshObject* ValidOverlay() const;
    MeshColorSource ColorSource() const;
    bool UpToDate() const;
    void RecolorNow();
    bool MakeBuiltContextCurrent() const;
    // Model positions and colours of every point, for the exports; false for an empty path or a
    // mesh that was never drawn.
    using ExportBuffer = std::unique_ptr<float[]>;
    bool ExportArrays(const std::string& path, ExportBuffer& positions, ExportBuffer& colors,
                      std::string* error);

    int dataColumns = 0;
    int dataRows = 0;
    MeshParams params;
    AxesOptions axes;
    std::vector<float> heights;
    std::vector<int> columnTable;
    std::vector<int> rowTable;
    int selectedKey = -1;
    CColorTableObject* table = nullptr;
    CColorTableObject* grayTable = nullptr;
    CMeshObject* overlay = nullptr;
    std::int32_t changeCount = 0;
    std::int32_t overlaySeen = -1;
    bool changed = false;
    CContextObject* builtContext = nullptr;
    CContextObject* lastContext = nullptr;
    bool drawnOnce = false; // the exports need the record a draw completes
    bool buffersSupported = false;
    bool buffersInUse = false;
    std::unique_ptr<CVideoMemoryMeshData> gpu;
};
