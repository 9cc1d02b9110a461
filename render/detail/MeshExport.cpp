// The mesh side of the exports: fresh positions and colours of every point, then the writers.
// A NaN height is written on the base plane: a NaN vertex makes the solid unusable elsewhere.
#include "render/detail/CMeshObject.h"

#include "render/detail/MeshGeometry.h"
#include "render/detail/SolidTriangles.h"

#include <cmath>

bool CMeshObject::ExportArrays(const std::string& path, std::vector<float>& positions,
                               std::vector<float>& colors, std::string* error) {
    const char* refusal = path.empty()             ? "no file name"
                          : lastContext == nullptr ? "the surface has not been drawn yet"
                                                   : nullptr;
    if (refusal != nullptr) {
        if (error != nullptr)
            *error = refusal;
        return false;
    }
    if (ValidOverlay() == nullptr)
        overlay = nullptr;
    const std::size_t points = PointCount();
    positions.assign(points * kVertexFloats, 0.0f);
    colors.assign(points * kColorFloats, 0.0f);
    ComputeVertices(params, heights.data(), 0, params.Rows, positions.data());
    for (std::size_t i = 0; i < points; ++i) {
        float& z = positions[i * kVertexFloats + 2];
        if (std::isnan(z))
            z = 0.0f;
    }
    const MeshColorSource source = ColorSource();
    if (source.Table != nullptr)
        ComputeColors(source.Heights, points, source.ZOffset, source.ZRange, source.NaNColor, *source.Table,
                      colors.data());
    return true;
}

bool CMeshObject::WriteSTL(const std::string& path, bool withColor, std::string* error) {
    std::vector<float> positions;
    std::vector<float> colors;
    if (!ExportArrays(path, positions, colors, error))
        return false;
    return WriteStlFile(path.c_str(), params.Columns, params.Rows, positions.data(), colors.data(), withColor,
                        error);
}

bool CMeshObject::WriteVRML(const std::string& path, bool withColor, std::string* error) {
    std::vector<float> positions;
    std::vector<float> colors;
    if (!ExportArrays(path, positions, colors, error))
        return false;
    return WriteVrmlFile(path.c_str(), params.Columns, params.Rows, positions.data(), colors.data(),
                         withColor, error);
}
