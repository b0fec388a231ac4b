#include "sim/editor/selection_sets.h"

namespace vexa::sim::editor {

bool SelectionSets::add(std::vector<db::ObjectId> members, ads_name name) {
    if (sets_.size() >= kLimit) return false;
    name[0] = next_++;
    name[1] = kTag;
    sets_.emplace(name[0], std::move(members));
    return true;
}

const std::vector<db::ObjectId>* SelectionSets::find(const ads_name name) const {
    if (name == nullptr || name[1] != kTag) return nullptr;
    auto it = sets_.find(name[0]);
    return it == sets_.end() ? nullptr : &it->second;
}

bool SelectionSets::free(const ads_name name) { return find(name) != nullptr && sets_.erase(name[0]) > 0; }

}  // namespace vexa::sim::editor
