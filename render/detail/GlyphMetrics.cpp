// Outline glyph metrics through FreeType.
#include "GlyphMetrics.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <memory>

namespace {

constexpr int kCharacterHeight = 12;
constexpr int kFilledCodes = 254;

struct LibraryDeleter {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};

} // namespace

bool ComputeGlyphMetrics(const std::string& path, GlyphMetricsTable* out) {
    if (out == nullptr) {
        return false;
    }
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) {
        return false;
    }
    std::unique_ptr<std::remove_pointer_t<FT_Library>, LibraryDeleter> library(rawLibrary);
    FT_Face rawFace = nullptr;
    if (FT_New_Face(library.get(), path.c_str(), 0, &rawFace) != 0) {
        return false;
    }
    std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceDeleter> face(rawFace);
    if (!FT_IS_SCALABLE(face) || FT_Set_Pixel_Sizes(face.get(), 0, kCharacterHeight) != 0) {
        return false;
    }
    // Unhinted outlines, like the window system's polygon fonts; 26.6 pixels to em units.
    const float scale = 1.0f / (64.0f * kCharacterHeight);
    GlyphMetricsTable table{};
    for (unsigned code = 0; code < kFilledCodes; ++code) {
        if (FT_Load_Glyph(face.get(), FT_Get_Char_Index(face.get(), code),
                          FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) {
            continue;
        }
        const FT_GlyphSlot slot = face->glyph;
        GlyphMetricsFloat& m = table[code];
        m.cellIncX = static_cast<float>(slot->advance.x) * scale;
        if (slot->format != FT_GLYPH_FORMAT_OUTLINE || slot->outline.n_points == 0) {
            continue;
        }
        FT_BBox box;
        FT_Outline_Get_CBox(&slot->outline, &box);
        m.blackBoxX = static_cast<float>(box.xMax - box.xMin) * scale;
        m.blackBoxY = static_cast<float>(box.yMax - box.yMin) * scale;
        m.originX = static_cast<float>(box.xMin) * scale;
        m.originY = static_cast<float>(box.yMax) * scale;
    }
    *out = table;
    return true;
}

LabelSize MeasureLabel(const GlyphMetricsTable& metrics, std::string_view text) {
    LabelSize size;
    const std::size_t count = std::min<std::size_t>(text.size(), 255);
    for (std::size_t i = 0; i < count; ++i) {
        const auto code = static_cast<unsigned char>(text[i]);
        if (code < metrics.size()) {
            size.width += metrics[code].blackBoxX;
        }
    }
    if (!text.empty() && static_cast<unsigned char>(text[0]) < metrics.size()) {
        size.height = metrics[static_cast<unsigned char>(text[0])].blackBoxY;
    }
    return size;
}

LabelShift LabelAlignmentShift(int alignment, LabelSize size) {
    switch (alignment) {
    case 1:
        return {-size.width / 2, -size.height / 2};
    case 2:
        return {-size.width, -size.height / 2};
    default:
        return {};
    }
}
