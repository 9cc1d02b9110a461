// The per-mesh geometry, scaling, clipping and NaN-colour record exchanged with the facade.
#pragma once

#include "base/ColorRGBA.h"

#include <cstdint>

struct MeshParams {
    std::uint16_t Columns = 0;          // points per mesh row
    std::uint16_t Rows = 0;             // mesh rows
    float XOffset = 0.0f;               // data x of the first column
    float XExtent = 0.0f;               // data x span of the grid
    float YOffset = 0.0f;               // data y of the first row
    float YExtent = 0.0f;               // data y span of the grid
    float Aspect = 1.0f;                // extra factor on the model's y extent
    float ZScale = 1.0f / 3.0f;         // the display range is drawn 10 x ZScale high
    float ZOffset = 0.0f;               // height at model z = 0, first colour
    float ZRange = 0.0f;                // height span of 10 x ZScale and of the colour table
    std::uint8_t ZClamp = 0;            // limit model z to [0, 10 x ZScale]
    std::uint8_t ZClip = 0;             // cut away geometry outside the display range
    std::uint8_t Specular = 0;          // specular highlight on
    float SpecularFactor = 0.5f;        // specular strength, [0, 1]
    ColorRGBA NaNColor{0, 0, 255, 255}; // colour of NaN heights
};

// True when both records hold the same bits in every field (NaN equals the same NaN).
bool SameMeshParams(const MeshParams& a, const MeshParams& b);
