// Building the fonts of a share group.
#include "CFontData.h"

#include "FontLookup.h"

#include <cstdio>
#include <stdexcept>

namespace {

void BuildFont(const char* face, float size, CFreeTypeFont& font) {
    FontFile file;
    if (!FontLookup(face, &file)) {
        std::fprintf(stderr, "Vistrel Light: no font file for \"%s\"; its text is not drawn\n", face);
        return;
    }
    try {
        font.Build(RasterizeGlyphs(file.path, size), size);
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "Vistrel Light: font \"%s\" (%s): %s\n", face, file.path.c_str(), e.what());
    }
}

} // namespace

void CFontData::Build() {
    if (initialised) {
        return;
    }
    initialised = true;
    FontFile file;
    if (!FontLookup("Arial", &file) || !ComputeGlyphMetrics(file.path, &metrics)) {
        std::fprintf(stderr, "Vistrel Light: no glyph metrics for \"Arial\"; labels are not centred\n");
    }
    BuildFont("Arial", 24, arial);
    BuildFont("Courier New", 14, courier);
}

void CFontData::Release() {
    arial.Release();
    courier.Release();
    initialised = false;
}
