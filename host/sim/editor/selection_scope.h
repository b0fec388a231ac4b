// The entities a selection may take in a drawing: those that pass the filter and, unless the
// whole drawing is asked for, lie on layers that are on and thawed. Results in creation order.
#pragma once

#include <vector>

#include "db/database.h"
#include "db/entity_geometry.h"
#include "sim/editor/selection_filter.h"

namespace vexa::sim::editor {

class SelectionScope {
public:
    SelectionScope(const db::Database& database, const SelectionFilter& filter, bool shownOnly)
        : database_(database), filter_(filter), shownOnly_(shownOnly) {}

    // A pick: the nearest entity within reach (the newest of equally near ones, as drawn on
    // top), or with `everything` all within reach.
    std::vector<db::ObjectId> near(db::Point2 point, double reach, bool everything) const;
    std::vector<db::ObjectId> window(const db::Box& box, bool crossing) const;
    std::vector<db::ObjectId> polygon(const std::vector<db::Point2>& points, bool crossing) const;
    std::vector<db::ObjectId> fence(const std::vector<db::Point2>& points) const;
    std::vector<db::ObjectId> all() const;
    // Those of the given entities the selection may still take.
    std::vector<db::ObjectId> among(const std::vector<db::ObjectId>& ids) const;
    // The newest entity shown, if it passes the filter.
    std::vector<db::ObjectId> last() const;
    // A single pick of an object or a part of one: the nearest within reach, an attribute of a
    // block reference counting as itself; kNullId when none is.
    db::ObjectId nearestPart(db::Point2 point, double reach) const;

private:
    bool takes(const db::Entity& entity) const;
    db::ObjectId nearestOf(const std::vector<db::ObjectId>& within, db::Point2 point) const;
    bool shown(const db::Entity& entity) const;
    template <typename Test>
    std::vector<db::ObjectId> where(Test test) const;

    const db::Database& database_;
    const SelectionFilter& filter_;
    bool shownOnly_;
};

}  // namespace vexa::sim::editor
