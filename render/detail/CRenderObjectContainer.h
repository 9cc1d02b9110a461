// The process-wide registry of render objects: handle validation, lookup by key, broadcasts.
#pragma once

#include "ObjectEvent.h"

#include <array>
#include <vector>

class CObjectContainerElement;

class CRenderObjectContainer {
public:
    // Created on first use; its exit hook deletes every object still registered.
    static CRenderObjectContainer& Instance();

    CRenderObjectContainer() = default;
    CRenderObjectContainer(const CRenderObjectContainer&) = delete;
    CRenderObjectContainer& operator=(const CRenderObjectContainer&) = delete;
    virtual ~CRenderObjectContainer();

    void Register(CObjectContainerElement* element);
    void Unregister(CObjectContainerElement* element);
    bool Contains(const CObjectContainerElement* element) const;
    CObjectContainerElement* Find(BlockType type, int key) const;
    void Broadcast(const ObjectEvent& event);

    // Registration-order list of one type (composites and colour bars share one list).
    const std::vector<CObjectContainerElement*>& List(BlockType type) const;

    // Is `handle` a registered object of type `expected`?
    bool IsValid(const void* handle, BlockType expected) const;

    bool NotificationsEnabled() const { return notify; }

    // Deletes every registered object without broadcasts; the registry stays usable.
    void TearDown();

private:
    static std::size_t ListIndex(BlockType type);

    // Broadcast order: colour tables, contexts, meshes, composites and colour bars.
    std::array<std::vector<CObjectContainerElement*>, 4> lists;
    bool notify = true;
};
