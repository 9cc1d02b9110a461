// Registry hooks shared by every render object.
#include "CObjectContainerElement.h"

#include "CRenderObjectContainer.h"

bool CObjectContainerElement::IsRegistered() const {
    return CRenderObjectContainer::Instance().Contains(this);
}

void CObjectContainerElement::Register() {
    CRenderObjectContainer::Instance().Register(this);
}

void CObjectContainerElement::Unregister() {
    CRenderObjectContainer::Instance().Unregister(this);
}
