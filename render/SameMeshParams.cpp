// Byte-wise comparison of two mesh records, field by field so that padding never counts.
#include "render/MeshParams.h"

#include <bit>

namespace {
bool SameFloat(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}
} // namespace

bool SameMeshParams(const MeshParams& a, const MeshParams& b) {
    return a.Columns == b.Columns && a.Rows == b.Rows && SameFloat(a.XOffset, b.XOffset) &&
           SameFloat(a.XExtent, b.XExtent) && SameFloat(a.YOffset, b.YOffset) &&
           SameFloat(a.YExtent, b.YExtent) && SameFloat(a.Aspect, b.Aspect) &&
           SameFloat(a.ZScale, b.ZScale) && SameFloat(a.ZOffset, b.ZOffset) &&
           SameFloat(a.ZRange, b.ZRange) && a.ZClamp == b.ZClamp && a.ZClip == b.ZClip &&
           a.Specular == b.Specular && SameFloat(a.SpecularFactor, b.SpecularFactor) &&
           a.NaNColor == b.NaNColor;
}
