// The drawable copy of a mesh: vertices with normals, colours and the band index list, in GL
// buffer objects or in ordinary memory drawn as client arrays.
#pragma once

#include "base/ColorRGBA.h"
#include "render/MeshParams.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// What the colours are computed from: the colour source's heights, range and table.
struct MeshColorSource {
    const float* Heights = nullptr;
    float ZOffset = 0.0f;
    float ZRange = 0.0f;
    ColorRGBA NaNColor{};
    const std::vector<ColorRGBA>* Table = nullptr; // null: colours stay as they are
};

class CVideoMemoryMeshData {
public:
    static constexpr std::size_t kWindowPoints = 32768;
    static constexpr std::size_t kStagingPoints = kWindowPoints + 2048;

    CVideoMemoryMeshData() = default;
    CVideoMemoryMeshData(const CVideoMemoryMeshData&) = delete;
    CVideoMemoryMeshData& operator=(const CVideoMemoryMeshData&) = delete;
    virtual ~CVideoMemoryMeshData() = default;

    bool IsBuilt() const { return built; }
    bool HasBuffers() const { return hasBuffers; }
    std::int32_t BuiltChangeCount() const { return builtChangeCount; }
    const MeshParams& BuiltParams() const { return params; }

    void Build(const MeshParams& mesh, const float* heights, const MeshColorSource& colors,
               std::int32_t changeCount, bool useBuffers);
    void Refresh(const MeshParams& mesh, const float* heights, const MeshColorSource& colors,
                 std::int32_t changeCount);
    void Recolor(const MeshColorSource& colors);
    void DrawBands() const;
    // Deletes the GL buffers of the current context and the memory arrays.
    void Release();
    // Forgets GL buffers whose context is gone (their names mean nothing elsewhere).
    void Abandon();

    // The memory arrays (empty when the data lives in buffer objects).
    const std::vector<float>& Vertices() const { return vertices; }
    const std::vector<float>& Colors() const { return colors; }

private:
    std::size_t PointCount() const;
    void UploadVertices(std::size_t firstPoint, std::size_t count, const float* data);
    void UploadColors(std::size_t firstPoint, std::size_t count, const float* data);

    bool built = false;
    std::int32_t builtChangeCount = 0;
    bool hasBuffers = false;
    MeshParams params;
    std::vector<float> vertices;
    std::vector<float> colors;
    std::vector<std::uint32_t> indices;
    std::size_t indexCount = 0;
    unsigned vertexBuffer = 0;
    unsigned colorBuffer = 0;
    unsigned indexBuffer = 0;
    std::vector<float> stagingVertices;
    std::vector<float> stagingColors;
};
