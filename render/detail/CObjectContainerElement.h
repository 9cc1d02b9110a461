// Root of every registered render object: a key and the registry hooks.
#pragma once

#include "ObjectEvent.h"

#include <cstdint>

class CBlockObject;

class CObjectContainerElement {
public:
    CObjectContainerElement() = default;
    CObjectContainerElement(const CObjectContainerElement&) = delete;
    CObjectContainerElement& operator=(const CObjectContainerElement&) = delete;
    virtual ~CObjectContainerElement() = default;

    virtual bool IsRegistered() const;
    virtual void OnNotify(const ObjectEvent& event) = 0;
    virtual void Register();
    virtual void Unregister();
    virtual CBlockObject* GetBlock() = 0;

    std::int32_t Key = -1;
};
