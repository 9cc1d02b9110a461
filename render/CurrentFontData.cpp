// Font sets keyed by share group; a set is forgotten when its group dies, taking its GL objects
// with it.
#include "render/CurrentFontData.h"

#include "render/CFontData.h"

#include <QObject>
#include <QOpenGLContext>

#include <map>
#include <memory>

namespace {

// Never destroyed: a share group may die during static destruction and still erase its entry.
std::map<const QOpenGLContextGroup*, std::unique_ptr<CFontData>>& FontSets() {
    static auto* sets = new std::map<const QOpenGLContextGroup*, std::unique_ptr<CFontData>>;
    return *sets;
}

} // namespace

CFontData* CurrentFontData() {
    QOpenGLContext* current = QOpenGLContext::currentContext();
    if (current == nullptr || current->shareGroup() == nullptr) {
        return nullptr;
    }
    QOpenGLContextGroup* group = current->shareGroup();
    auto& sets = FontSets();
    auto found = sets.find(group);
    if (found == sets.end()) {
        found = sets.emplace(group, std::make_unique<CFontData>()).first;
        QObject::connect(group, &QObject::destroyed, [group] { FontSets().erase(group); });
        found->second->Build();
    }
    return found->second.get();
}
