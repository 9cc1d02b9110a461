// Font sets keyed by share group; a set is forgotten when its group dies, taking its GL objects
// with it.
#include "CurrentFontData.h"

#include "CFontData.h"
#include "GlContextOps.h"

#include <map>
#include <memory>

namespace {

// Never destroyed: a share group may die during static destruction and still erase its entry.
std::map<const void*, std::unique_ptr<CFontData>>& FontSets() {
    static auto* sets = new std::map<const void*, std::unique_ptr<CFontData>>;
    return *sets;
}

} // namespace

CFontData* CurrentFontData() {
    const void* group = CurrentShareGroup();
    if (group == nullptr) {
        return nullptr;
    }
    auto& sets = FontSets();
    auto found = sets.find(group);
    if (found == sets.end()) {
        found = sets.emplace(group, std::make_unique<CFontData>()).first;
        WhenShareGroupDies(group, [group] { FontSets().erase(group); });
        found->second->Build();
    }
    return found->second.get();
}
