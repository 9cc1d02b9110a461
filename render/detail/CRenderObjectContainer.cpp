// The registry: one list per type code, kept in registration order.
#include "CRenderObjectContainer.h"

#include "CBlockObject.h"

#include <algorithm>
#include <cstdlib>

namespace {
CRenderObjectContainer* g_container = nullptr;

void TearDownAtExit() {
    g_container->TearDown();
}
} // namespace

CRenderObjectContainer& CRenderObjectContainer::Instance() {
    if (g_container == nullptr) {
        // Kept alive to the very end: other exit hooks may still ask it to validate handles.
        g_container = new CRenderObjectContainer;
        std::atexit(&TearDownAtExit);
    }
    return *g_container;
}

CRenderObjectContainer::~CRenderObjectContainer() {
    TearDown();
}

std::size_t CRenderObjectContainer::ListIndex(BlockType type) {
    switch (type) {
    case BlockType::ColorTable:
        return 0;
    case BlockType::Context:
        return 1;
    case BlockType::Mesh:
        return 2;
    case BlockType::MeshComposite:
    case BlockType::ColorBar:
        return 3;
    }
    return 3;
}

void CRenderObjectContainer::Register(CObjectContainerElement* element) {
    auto& list = lists[ListIndex(element->GetBlock()->Type)];
    if (std::find(list.begin(), list.end(), element) == list.end())
        list.push_back(element);
}

void CRenderObjectContainer::Unregister(CObjectContainerElement* element) {
    // Also while tearing down: owners delete the objects they own, which must then leave the
    // lists so that they are not deleted twice.
    for (auto& list : lists)
        std::erase(list, element);
}

bool CRenderObjectContainer::Contains(const CObjectContainerElement* element) const {
    if (element == nullptr)
        return false;
    return std::any_of(lists.begin(), lists.end(), [element](const auto& list) {
        return std::find(list.begin(), list.end(), element) != list.end();
    });
}

CObjectContainerElement* CRenderObjectContainer::Find(BlockType type, int key) const {
    const auto& list = lists[ListIndex(type)];
    for (CObjectContainerElement* element : list) {
        if (element->GetBlock()->Type == type && element->Key == key)
            return element;
    }
    return nullptr;
}

void CRenderObjectContainer::Broadcast(const ObjectEvent& event) {
    // A receiver may delete objects; walk copies and skip whatever left the registry meanwhile.
    for (const auto& list : lists) {
        const std::vector<CObjectContainerElement*> snapshot = list;
        for (CObjectContainerElement* element : snapshot) {
            if (Contains(element))
                element->OnNotify(event);
        }
    }
}

const std::vector<CObjectContainerElement*>& CRenderObjectContainer::List(BlockType type) const {
    return lists[ListIndex(type)];
}

bool CRenderObjectContainer::IsValid(const void* handle, BlockType expected) const {
    const auto& list = lists[ListIndex(expected)];
    const auto found = std::find_if(list.begin(), list.end(), [handle](auto* element) {
        return static_cast<const void*>(element) == handle;
    });
    return found != list.end() && (*found)->GetBlock()->Type == expected;
}

void CRenderObjectContainer::TearDown() {
    const bool wasOn = notify;
    notify = false;
    for (auto& list : lists) {
        while (!list.empty()) {
            CObjectContainerElement* element = list.front();
            list.erase(list.begin());
            delete element;
        }
    }
    notify = wasOn;
}
