// The colour bar's registry behaviour; its drawing lives with the axes.
#include "CColorBarObject.h"

#include <GL/glew.h>

#include <algorithm>

CColorBarObject::CColorBarObject() : CBlockObject(BlockType::ColorBar) {}

CColorBarObject::~CColorBarObject() {
    DeleteTexture();
}

void CColorBarObject::OnNotify(const ObjectEvent& event) {
    if (event.Type == BlockType::ColorTable || event.Type == BlockType::Context)
        DeleteTexture();
}

bool CColorBarObject::IsDirty() const {
    return false;
}

void CColorBarObject::ClearDirty() {}

void CColorBarObject::SetTickCount(int count) {
    ticks = std::clamp(count, 2, 15);
}

void CColorBarObject::UseTable(const CColorTableObject* table) {
    if (table != shownTable)
        DeleteTexture();
    shownTable = table;
}

void CColorBarObject::DeleteTexture() {
    if (texture != 0)
        glDeleteTextures(1, &texture);
    texture = 0;
}
