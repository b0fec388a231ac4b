#include "sim/editor/selection_scope.h"

namespace vexa::sim::editor {

bool SelectionScope::shown(const db::Entity& entity) const {
    const db::Layer* layer = database_.layers().findById(entity.layer);
    return layer == nullptr || (!layer->off && !layer->frozen);
}

// Attributes go with their block reference: a selection never takes them on their own.
bool SelectionScope::takes(const db::Entity& entity) const {
    return !entity.erased && entity.visible && db::ownerOfSubEntity(entity) == db::kNullId && (!shownOnly_ || shown(entity)) &&
           filter_.accepts(database_, entity);
}

template <typename Test>
std::vector<db::ObjectId> SelectionScope::where(Test test) const {
    std::vector<db::ObjectId> found;
    for (const db::Entity* entity = database_.firstEntity(); entity != nullptr; entity = database_.entityAfter(entity->id)) {
        if (takes(*entity) && test(*entity)) found.push_back(entity->id);
    }
    return found;
}

std::vector<db::ObjectId> SelectionScope::near(db::Point2 point, double reach, bool everything) const {
    std::vector<db::ObjectId> within = where([&](const db::Entity& e) { return db::distanceTo(e, point) <= reach; });
    if (everything || within.size() <= 1) return within;
    return {nearestOf(within, point)};
}

db::ObjectId SelectionScope::nearestOf(const std::vector<db::ObjectId>& within, db::Point2 point) const {
    db::ObjectId nearest = within.front();
    double best = db::distanceTo(*database_.findEntity(nearest), point);
    for (db::ObjectId id : within) {
        const double distance = db::distanceTo(*database_.findEntity(id), point);
        if (distance <= best) {
            best = distance;
            nearest = id;
        }
    }
    return nearest;
}

db::ObjectId SelectionScope::nearestPart(db::Point2 point, double reach) const {
    std::vector<db::ObjectId> within;
    for (const db::Entity* entity = database_.firstEntity(); entity != nullptr; entity = database_.entityAfter(entity->id)) {
        const db::Entity* owner = db::ownerOfSubEntity(*entity) != db::kNullId
                                      ? database_.findEntity(db::ownerOfSubEntity(*entity))
                                      : entity;
        if (owner == nullptr || !takes(*owner) || db::distanceTo(*entity, point) > reach) continue;
        within.push_back(entity->id);
    }
    return within.empty() ? db::kNullId : nearestOf(within, point);
}

std::vector<db::ObjectId> SelectionScope::window(const db::Box& box, bool crossing) const {
    return where([&](const db::Entity& e) { return crossing ? db::crossesBox(e, box) : db::insideBox(e, box); });
}

std::vector<db::ObjectId> SelectionScope::polygon(const std::vector<db::Point2>& points, bool crossing) const {
    return where([&](const db::Entity& e) { return crossing ? db::crossesPolygon(e, points) : db::insidePolygon(e, points); });
}

std::vector<db::ObjectId> SelectionScope::fence(const std::vector<db::Point2>& points) const {
    return where([&](const db::Entity& e) { return db::crossesFence(e, points); });
}

std::vector<db::ObjectId> SelectionScope::all() const {
    return where([](const db::Entity&) { return true; });
}

std::vector<db::ObjectId> SelectionScope::among(const std::vector<db::ObjectId>& ids) const {
    std::vector<db::ObjectId> taken;
    for (db::ObjectId id : ids) {
        if (const db::Entity* entity = database_.findEntity(id); entity != nullptr && takes(*entity)) taken.push_back(id);
    }
    return taken;
}

std::vector<db::ObjectId> SelectionScope::last() const {
    const db::Entity* newest = nullptr;
    for (const db::Entity* entity = database_.firstEntity(); entity != nullptr; entity = database_.entityAfter(entity->id)) {
        if (shown(*entity)) newest = entity;
    }
    if (newest == nullptr || !filter_.accepts(database_, *newest)) return {};
    return {newest->id};
}

}  // namespace vexa::sim::editor
