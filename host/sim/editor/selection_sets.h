// The selection sets the host hands out by name; at most 128 live at once, as in the host.
#pragma once

#include <cstddef>
#include <map>
#include <vector>

#include "acad/adscodes.h"
#include "db/records.h"

namespace vexa::sim::editor {

class SelectionSets {
public:
    static constexpr std::size_t kLimit = 128;
    // The second half of a set's name, so that an entity name is never taken for a set.
    static constexpr Adesk_Int64 kTag = 0x5353;

    // Names the new set; false when the limit is reached.
    bool add(std::vector<db::ObjectId> members, ads_name name);
    const std::vector<db::ObjectId>* find(const ads_name name) const;
    bool free(const ads_name name);
    std::size_t live() const { return sets_.size(); }

private:
    std::map<Adesk_Int64, std::vector<db::ObjectId>> sets_;
    Adesk_Int64 next_ = 1;
};

}  // namespace vexa::sim::editor
