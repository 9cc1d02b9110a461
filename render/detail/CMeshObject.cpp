// The surface mesh: initialisation, data loading, parameters, colours and drawing.
#include <GL/glew.h>

#include "CMeshObject.h"

#include "BufferObjects.h"
#include "CColorTableObject.h"
#include "CContextObject.h"
#include "CRenderObjectContainer.h"
#include "MeshGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
bool IsMesh(const void* object) {
    return CRenderObjectContainer::Instance().IsValid(object, BlockType::Mesh);
}

bool IsContext(const void* object) {
    return CRenderObjectContainer::Instance().IsValid(object, BlockType::Context);
}
} // namespace

CMeshObject::CMeshObject() : CBlockObject(BlockType::Mesh) {}

CMeshObject::~CMeshObject() {
    ReleaseGpuBuffers();
    if (CRenderObjectContainer::Instance().IsValid(grayTable, BlockType::ColorTable)) {
        grayTable->Notify(ObjectEventCode::Destroyed);
        delete grayTable;
    }
}

bool CMeshObject::IsRegistered() const {
    return CObjectContainerElement::IsRegistered() && params.Columns != 0 && params.Rows != 0;
}

void CMeshObject::OnNotify(const ObjectEvent& event) {
    const bool gone = event.Code == ObjectEventCode::Destroyed;
    switch (event.Type) {
    case BlockType::ColorTable: {
        if (!gone && event.Code != ObjectEventCode::Changed)
            return;
        const int key = event.Sender->Key;
        const CMeshObject* source = ValidOverlay();
        if ((key != -1 && key == selectedKey) ||
            (source != nullptr && key != -1 && key == source->selectedKey))
            ++changeCount;
        if (gone && event.Sender == table)
            table = nullptr;
        break;
    }
    // A destroyed object's address may come back as an unrelated object: every link to it goes.
    case BlockType::Context:
        if (gone && static_cast<CBlockObject*>(builtContext) == event.Sender) {
            ReleaseGpuBuffers();
            builtContext = nullptr;
            ++changeCount;
        }
        if (gone && static_cast<CBlockObject*>(lastContext) == event.Sender)
            lastContext = nullptr;
        break;
    case BlockType::Mesh:
        if ((gone || event.Code == ObjectEventCode::Changed) && overlay != nullptr &&
            static_cast<CBlockObject*>(overlay) == event.Sender)
            ++changeCount;
        if (gone && static_cast<CBlockObject*>(overlay) == event.Sender) {
            overlay = nullptr;
            overlaySeen = -1;
        }
        break;
    default:
        break;
    }
}

bool CMeshObject::IsDirty() const {
    if (changed || (gpu->IsBuilt() && gpu->BuiltChangeCount() != changeCount))
        return true;
    const CMeshObject* source = ValidOverlay();
    return source != nullptr && source->changeCount != overlaySeen;
}

void CMeshObject::ClearDirty() {
    changed = false;
}

bool CMeshObject::Initialise(int columns, int rows) {
    return Setup(columns, rows, columns, rows);
}

bool CMeshObject::InitialiseDecimated(int columns, int rows, int meshColumns, int meshRows) {
    if (meshColumns > columns || meshRows > rows)
        return false;
    if (!Setup(columns, rows, meshColumns, meshRows))
        return false;
    columnTable = DecimationTable(columns, meshColumns);
    rowTable = DecimationTable(rows, meshRows);
    return true;
}

bool CMeshObject::Setup(int columns, int rows, int meshColumns, int meshRows) {
    constexpr int kMax = std::numeric_limits<std::uint16_t>::max();
    // Sizes are stored as 16-bit words: anything else would silently wrap.
    if (columns < 1 || rows < 1 || meshColumns < 1 || meshRows < 1 || columns > kMax || rows > kMax)
        return false;
    dataColumns = columns;
    dataRows = rows;
    params = MeshParams{};
    params.Columns = static_cast<std::uint16_t>(meshColumns);
    params.Rows = static_cast<std::uint16_t>(meshRows);
    heights.resize(PointCount());

    grayTable = new CColorTableObject;
    grayTable->Notify(ObjectEventCode::Created);
    std::vector<ColorRGBA> ramp(256);
    for (int i = 0; i < 256; ++i) {
        const auto v = static_cast<std::uint8_t>(i);
        ramp[static_cast<std::size_t>(i)] = ColorRGBA{v, v, v, 255};
    }
    grayTable->SetEntries(std::move(ramp));

    gpu = std::make_unique<CVideoMemoryMeshData>();
    changed = true;
    buffersSupported = BufferObjectsSupported();
    return true;
}

std::size_t CMeshObject::PointCount() const {
    return static_cast<std::size_t>(params.Columns) * params.Rows;
}

MeshParams CMeshObject::GetMeshParams() const {
    MeshParams record = params;
    record.Columns = static_cast<std::uint16_t>(dataColumns);
    record.Rows = static_cast<std::uint16_t>(dataRows);
    return record;
}

void CMeshObject::SetMeshParams(const MeshParams& record) {
    const std::uint16_t columns = params.Columns;
    const std::uint16_t rows = params.Rows;
    params = record;
    params.Columns = columns;
    params.Rows = rows;
    params.SpecularFactor =
        std::isnan(params.SpecularFactor) ? 0.0f : std::clamp(params.SpecularFactor, 0.0f, 1.0f);
    if (CMeshObject* source = ValidOverlay(); source != nullptr && source != this) {
        MeshParams own = source->GetMeshParams();
        own.NaNColor = params.NaNColor;
        source->SetMeshParams(own);
    }
    ++changeCount;
    changed = true;
}

int CMeshObject::LoadMeshData(const float* values, int count) {
    if (values == nullptr || count <= 0)
        return 0;
    if (columnTable.empty()) {
        const auto n = std::min(static_cast<std::size_t>(count), PointCount());
        std::copy_n(values, n, heights.begin());
        ++changeCount;
        return static_cast<int>(n);
    }
    const std::size_t available =
        std::min(static_cast<std::size_t>(count), static_cast<std::size_t>(dataColumns) * dataRows);
    const std::size_t completeRows = available / static_cast<std::size_t>(dataColumns);
    const std::size_t meshColumns = params.Columns;
    for (std::size_t r = 0; r < rowTable.size(); ++r) {
        const auto source = static_cast<std::size_t>(rowTable[r]);
        if (source >= completeRows)
            continue;
        const float* row = values + source * static_cast<std::size_t>(dataColumns);
        for (std::size_t k = 0; k < meshColumns; ++k)
            heights[r * meshColumns + k] = row[static_cast<std::size_t>(columnTable[k])];
    }
    ++changeCount;
    return count;
}

CMeshObject* CMeshObject::ValidOverlay() const {
    return overlay != nullptr && IsMesh(overlay) ? overlay : nullptr;
}

const CColorTableObject* CMeshObject::ValidTable() const {
    return CRenderObjectContainer::Instance().IsValid(table, BlockType::ColorTable) ? table : nullptr;
}

const CMeshObject& CMeshObject::ColoursFrom() const {
    const CMeshObject* source = ValidOverlay();
    return source != nullptr && source->PointCount() == PointCount() ? *source : *this;
}

MeshColorSource CMeshObject::ColorSource() const {
    const CMeshObject* source = &ColoursFrom();
    MeshColorSource colors;
    colors.Heights = source->heights.data();
    colors.ZOffset = source->params.ZOffset;
    colors.ZRange = source->params.ZRange;
    colors.NaNColor = source->params.NaNColor;
    const CColorTableObject* sourceTable = source->ValidTable();
    colors.Table = sourceTable != nullptr ? &sourceTable->Entries() : nullptr;
    return colors;
}

bool CMeshObject::MakeBuiltContextCurrent() const {
    return builtContext != nullptr && IsContext(builtContext) && builtContext->MakeCurrent();
}

void CMeshObject::RecolorNow() {
    if (!gpu->IsBuilt())
        return;
    if (gpu->HasBuffers() && !MakeBuiltContextCurrent())
        return;
    gpu->Recolor(ColorSource());
}

void CMeshObject::SetMeshColorTable(CColorTableObject* selected) {
    if (selected != nullptr) {
        selectedKey = selected->Key;
        table = selected;
    } else {
        selectedKey = -1;
        table = grayTable;
    }
    RecolorNow();
}

void CMeshObject::SetOverlayMesh(CMeshObject* newOverlay) {
    if (newOverlay == nullptr && ValidOverlay() != nullptr)
        ++overlay->changeCount;
    ++changeCount;
    overlay = newOverlay;
    overlaySeen = -1;
    if (gpu->IsBuilt()) {
        if (ValidOverlay() == nullptr)
            overlay = nullptr;
        RecolorNow();
    }
}

bool CMeshObject::UpToDate() const {
    if (!SameMeshParams(gpu->BuiltParams(), params) || gpu->BuiltChangeCount() != changeCount)
        return false;
    const CMeshObject* source = ValidOverlay();
    return source == nullptr || source->changeCount == overlaySeen;
}

void CMeshObject::Draw(CContextObject* context) {
    if (!gpu || !IsRegistered() || context == nullptr)
        return;
    if (context != lastContext) {
        buffersInUse = buffersSupported && context->Info().Kind == ContextKind::Window;
        if (lastContext != nullptr) {
            ReleaseGpuBuffers();
            context->MakeCurrent();
        }
    }
    if (ValidOverlay() == nullptr)
        overlay = nullptr;
    if (!gpu->IsBuilt()) {
        gpu->Build(params, heights.data(), ColorSource(), changeCount, buffersInUse);
        builtContext = context;
    } else if (!UpToDate()) {
        gpu->Refresh(params, heights.data(), ColorSource(), changeCount);
    }

    glPushMatrix();
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT);
    if (params.ZClip != 0) {
        const GLdouble lower[4] = {0.0, 0.0, 1.0, -0.0001};
        const GLdouble upper[4] = {0.0, 0.0, -1.0, 10.0 * params.ZScale - 0.0001};
        glClipPlane(GL_CLIP_PLANE0, lower);
        glClipPlane(GL_CLIP_PLANE1, upper);
        glEnable(GL_CLIP_PLANE0);
        glEnable(GL_CLIP_PLANE1);
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    gpu->DrawBands();
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisable(GL_CLIP_PLANE0);
    glDisable(GL_CLIP_PLANE1);
    glPopAttrib();
    glPopMatrix();
    glFlush();

    const CMeshObject* source = ValidOverlay();
    overlaySeen = source != nullptr ? source->changeCount : -1;
    lastContext = context;
    drawnOnce = true;
    changed = false;
}

void CMeshObject::ReleaseGpuBuffers() {
    if (!gpu || !gpu->IsBuilt())
        return;
    // Buffer names belong to the context they were made in; without it they are only forgotten.
    if (!gpu->HasBuffers() || MakeBuiltContextCurrent())
        gpu->Release();
    else
        gpu->Abandon();
}
