// Registration for the lifetime of a render object, and its broadcasts.
#include "CBlockObject.h"

#include "CRenderObjectContainer.h"

// Register() and Unregister() are called non-virtually on purpose: during construction and
// destruction only the base behaviour exists.
CBlockObject::CBlockObject(BlockType type) : Type(type) {
    CObjectContainerElement::Register();
}

CBlockObject::~CBlockObject() {
    CObjectContainerElement::Unregister();
}

CBlockObject* CBlockObject::GetBlock() {
    return this;
}

void CBlockObject::Notify(ObjectEventCode code) {
    CRenderObjectContainer& container = CRenderObjectContainer::Instance();
    if (container.NotificationsEnabled())
        container.Broadcast(ObjectEvent{code, Type, this});
}
