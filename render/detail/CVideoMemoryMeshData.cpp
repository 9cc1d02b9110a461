// Building, refreshing and drawing the drawable copy of a mesh. Refreshes run in windows of
// whole rows so that they never need more than the fixed staging arrays.
#include <GL/glew.h>

#include "CVideoMemoryMeshData.h"

#include "MeshGeometry.h"

#include <algorithm>

namespace {
GLvoid* Offset(std::size_t bytes) {
    return reinterpret_cast<GLvoid*>(bytes);
}
} // namespace

std::size_t CVideoMemoryMeshData::PointCount() const {
    return static_cast<std::size_t>(params.Columns) * params.Rows;
}

void CVideoMemoryMeshData::Build(const MeshParams& mesh, const float* heights, const MeshColorSource& source,
                                 std::int32_t changeCount, bool useBuffers) {
    params = mesh;
    const std::size_t points = PointCount();
    stagingVertices.assign(kStagingPoints * kVertexFloats, 0.0f);
    stagingColors.assign(kStagingPoints * kColorFloats, 0.0f);
    vertices.assign(points * kVertexFloats, 0.0f);
    colors.assign(points * kColorFloats, 0.0f);

    ComputeVertices(params, heights, 0, params.Rows, vertices.data());
    ComputeNormals(vertices.data(), points);
    if (source.Table != nullptr)
        ComputeColors(source.Heights, points, source.ZOffset, source.ZRange, source.NaNColor, *source.Table,
                      colors.data());

    indices = BandIndexList(params.Columns);
    indexCount = indices.size();
    hasBuffers = useBuffers;
    if (hasBuffers) {
        glGenBuffersARB(1, &vertexBuffer);
        glBindBufferARB(GL_ARRAY_BUFFER_ARB, vertexBuffer);
        glBufferDataARB(GL_ARRAY_BUFFER_ARB, static_cast<GLsizeiptrARB>(vertices.size() * 4), vertices.data(),
                        GL_DYNAMIC_DRAW_ARB);
        glGenBuffersARB(1, &colorBuffer);
        glBindBufferARB(GL_ARRAY_BUFFER_ARB, colorBuffer);
        glBufferDataARB(GL_ARRAY_BUFFER_ARB, static_cast<GLsizeiptrARB>(colors.size() * 4), colors.data(),
                        GL_DYNAMIC_DRAW_ARB);
        glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
        glGenBuffersARB(1, &indexBuffer);
        glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, indexBuffer);
        glBufferDataARB(GL_ELEMENT_ARRAY_BUFFER_ARB, static_cast<GLsizeiptrARB>(indexCount * 4),
                        indices.data(), GL_STATIC_DRAW_ARB);
        glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 0);
        vertices = {};
        colors = {};
        indices = {};
    }
    builtChangeCount = changeCount;
    built = true;
}

void CVideoMemoryMeshData::Refresh(const MeshParams& mesh, const float* heights,
                                   const MeshColorSource& source, std::int32_t changeCount) {
    const std::size_t columns = mesh.Columns;
    const std::size_t rows = mesh.Rows;
    // A row too wide for one window cannot be refreshed in place: build afresh instead.
    if (columns == 0 || 3 * columns > kWindowPoints) {
        const bool buffers = hasBuffers;
        Release();
        Build(mesh, heights, source, changeCount, buffers);
        return;
    }
    params = mesh;
    const std::size_t windowRows = (kWindowPoints - 2 * columns) / columns;
    const std::size_t stagingRowsMax = kWindowPoints / columns;
    for (std::size_t start = 0; start < rows; start += windowRows) {
        const std::size_t count = std::min(windowRows, rows - start);
        const std::size_t first = start == 0 ? 0 : start - 1;
        const std::size_t stagingRows = std::min(stagingRowsMax, rows - first);
        ComputeVertices(params, heights, static_cast<int>(first), static_cast<int>(stagingRows),
                        stagingVertices.data());
        ComputeNormals(stagingVertices.data(), stagingRows * columns);
        UploadVertices(start * columns, count * columns,
                       stagingVertices.data() + (start - first) * columns * kVertexFloats);
        if (source.Table != nullptr) {
            ComputeColors(source.Heights + start * columns, count * columns, source.ZOffset, source.ZRange,
                          source.NaNColor, *source.Table, stagingColors.data());
            UploadColors(start * columns, count * columns, stagingColors.data());
        }
    }
    builtChangeCount = changeCount;
}

void CVideoMemoryMeshData::Recolor(const MeshColorSource& source) {
    if (!built || source.Table == nullptr)
        return;
    const std::size_t points = PointCount();
    for (std::size_t start = 0; start < points; start += kWindowPoints) {
        const std::size_t count = std::min(kWindowPoints, points - start);
        ComputeColors(source.Heights + start, count, source.ZOffset, source.ZRange, source.NaNColor,
                      *source.Table, stagingColors.data());
        UploadColors(start, count, stagingColors.data());
    }
}

void CVideoMemoryMeshData::UploadVertices(std::size_t firstPoint, std::size_t count, const float* data) {
    if (hasBuffers) {
        glBindBufferARB(GL_ARRAY_BUFFER_ARB, vertexBuffer);
        glBufferSubDataARB(GL_ARRAY_BUFFER_ARB, static_cast<GLintptrARB>(firstPoint * kVertexFloats * 4),
                           static_cast<GLsizeiptrARB>(count * kVertexFloats * 4), data);
        glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    } else {
        std::copy_n(data, count * kVertexFloats, vertices.begin() + firstPoint * kVertexFloats);
    }
}

void CVideoMemoryMeshData::UploadColors(std::size_t firstPoint, std::size_t count, const float* data) {
    if (hasBuffers) {
        glBindBufferARB(GL_ARRAY_BUFFER_ARB, colorBuffer);
        glBufferSubDataARB(GL_ARRAY_BUFFER_ARB, static_cast<GLintptrARB>(firstPoint * kColorFloats * 4),
                           static_cast<GLsizeiptrARB>(count * kColorFloats * 4), data);
        glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    } else {
        std::copy_n(data, count * kColorFloats, colors.begin() + firstPoint * kColorFloats);
    }
}

void CVideoMemoryMeshData::DrawBands() const {
    if (!built || params.Rows < 2 || indexCount == 0)
        return;
    const std::size_t columns = params.Columns;
    const auto stride = static_cast<GLsizei>(kVertexFloats * 4);
    const auto count = static_cast<GLsizei>(indexCount);
    if (hasBuffers)
        glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, indexBuffer);
    for (std::size_t band = 0; band + 1 < params.Rows; ++band) {
        const std::size_t vertexBytes = band * columns * kVertexFloats * 4;
        const std::size_t colorBytes = band * columns * kColorFloats * 4;
        if (hasBuffers) {
            glBindBufferARB(GL_ARRAY_BUFFER_ARB, vertexBuffer);
            glVertexPointer(3, GL_FLOAT, stride, Offset(vertexBytes));
            glNormalPointer(GL_FLOAT, stride, Offset(vertexBytes + 12));
            glBindBufferARB(GL_ARRAY_BUFFER_ARB, colorBuffer);
            glColorPointer(4, GL_FLOAT, 0, Offset(colorBytes));
            glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, nullptr);
        } else {
            const float* v = vertices.data() + band * columns * kVertexFloats;
            glVertexPointer(3, GL_FLOAT, stride, v);
            glNormalPointer(GL_FLOAT, stride, v + 3);
            glColorPointer(4, GL_FLOAT, 0, colors.data() + band * columns * kColorFloats);
            glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, indices.data());
        }
    }
    if (hasBuffers) {
        glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
        glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 0);
    }
}

void CVideoMemoryMeshData::Release() {
    if (hasBuffers) {
        const GLuint names[3] = {vertexBuffer, colorBuffer, indexBuffer};
        glDeleteBuffersARB(3, names);
    }
    vertexBuffer = colorBuffer = indexBuffer = 0;
    hasBuffers = false;
    vertices = {};
    colors = {};
    indices = {};
    indexCount = 0;
    stagingVertices = {};
    stagingColors = {};
    built = false;
}

void CVideoMemoryMeshData::Abandon() {
    hasBuffers = false;
    Release();
}
