// The mesh side of the exports: fresh positions and colours of every point, then the writers.
// A NaN height is written on the base plane: a NaN vertex makes the solid unusable elsewhere.
#include "CMeshObject.h"

#include "MeshGeometry.h"
#include "SolidTriangles.h"

#include <algorithm>
#include <cmath>

bool CMeshObject::ExportArrays(const std::string& path, ExportBuffer& positions, ExportBuffer& colors,
                               std::string* error) {
    const char* refusal = path.empty() ? "no file name"
                          : !drawnOnce ? "the surface has not been drawn yet"
                                       : nullptr;
    if (refusal != nullptr) {
        if (error != nullptr)
            *error = refusal;
        return false;
    }
    if (ValidOverlay() == nullptr)
        overlay = nullptr;
    const std::size_t points = PointCount();
    // Both arrays are filled below before anything reads them, so they skip the zero fill: on a
    // large grid that pass over tens of megabytes costs as much as encoding the facets.
    positions = std::make_unique_for_overwrite<float[]>(points * kVertexFloats);
    colors = std::make_unique_for_overwrite<float[]>(points * kColorFloats);
    ComputeVertices(params, heights.data(), 0, params.Rows, positions.get());
    for (std::size_t i = 0; i < points; ++i) {
        float& z = positions[i * kVertexFloats + 2];
        if (std::isnan(z))
            z = 0.0f;
    }
    const MeshColorSource source = ColorSource();
    if (source.Table != nullptr && !source.Table->empty())
        ComputeColors(source.Heights, points, source.ZOffset, source.ZRange, source.NaNColor, *source.Table,
                      colors.get());
    else
        std::fill_n(colors.get(), points * kColorFloats, 0.0f);
    return true;
}

bool CMeshObject::WriteSTL(const std::string& path, bool withColor, std::string* error) {
    ExportBuffer positions;
    ExportBuffer colors;
    if (!ExportArrays(path, positions, colors, error))
        return false;
    return WriteStlFile(path.c_str(), params.Columns, params.Rows, positions.get(), colors.get(), withColor,
                        error);
}

bool CMeshObject::WriteVRML(const std::string& path, bool withColor, std::string* error) {
    ExportBuffer positions;
    ExportBuffer colors;
    if (!ExportArrays(path, positions, colors, error))
        return false;
    return WriteVrmlFile(path.c_str(), params.Columns, params.Rows, positions.get(), colors.get(), withColor,
                         error);
}
