// The colour bar of a scene: its tick count and the texture it is drawn from.
#pragma once

#include "CBlockObject.h"

class CColorTableObject;

class CColorBarObject : public CBlockObject {
public:
    CColorBarObject();
    ~CColorBarObject() override;

    void OnNotify(const ObjectEvent& event) override;
    bool IsDirty() const override;
    void ClearDirty() override;

    int TickCount() const { return ticks; }
    void SetTickCount(int count);

    // Drops the texture; the next draw builds it again from the table.
    void DeleteTexture();
    // The texture name the colour-bar drawer builds into when it is 0.
    unsigned* TextureName() { return &texture; }
    // Drops the texture when it was made from another table: an overlay laid on or taken off
    // changes the colours shown without any table changing.
    void UseTable(const CColorTableObject* table);

private:
    int ticks = 5;
    unsigned texture = 0;
    const CColorTableObject* shownTable = nullptr;
};
