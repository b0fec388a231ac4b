// The object filter of a selection: DXF groups on the entity type (0), layer (8) and colour
// (62), with relational tests and the logical groupings of group -4.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "acad/adscodes.h"
#include "db/database.h"

namespace vexa::sim::editor {

class SelectionFilter {
public:
    // Reads a filter chain; nothing for a malformed one (unbalanced groupings, unknown operators).
    // Groups come with the group code as the node type (group 0 as RTDXF0), or as AutoLISP dotted
    // pairs (RTLB code RTDOTE value RTLE), the form a filter list keeps when a plug-in copies it
    // from its arguments.
    static std::optional<SelectionFilter> read(const resbuf* chain);

    bool accepts(const db::Database& database, const db::Entity& entity) const;

    struct Group {
        int code = 0;
        std::variant<std::wstring, double> value;
    };
    struct Node {
        enum class Kind { Test, And, Or, Not, Xor };
        Kind kind = Kind::Test;
        Group group;
        std::wstring relation;  // of a test: "=" unless a -4 group said otherwise
        std::vector<Node> children;
    };

private:
    std::vector<Node> tests_;  // all must pass
};

}  // namespace vexa::sim::editor
