// A registered render object with a fixed type code; registers itself for its lifetime.
#pragma once

#include "CObjectContainerElement.h"

class CBlockObject : public CObjectContainerElement {
public:
    explicit CBlockObject(BlockType type);
    ~CBlockObject() override;

    CBlockObject* GetBlock() override;
    virtual bool IsDirty() const = 0;
    virtual void ClearDirty() = 0;

    // Broadcasts an event with this object as sender while notifications are on.
    void Notify(ObjectEventCode code);

    const BlockType Type;
};
