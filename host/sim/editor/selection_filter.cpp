#include "sim/editor/selection_filter.h"

#include <algorithm>

#include "lisp/wildcard.h"
#include "sim/system_variables.h"

namespace vexa::sim::editor {

namespace {

using Group = SelectionFilter::Group;
using Node = SelectionFilter::Node;

bool isStringGroup(int code) { return code == -4 || (code >= 0 && code <= 9); }
bool isShortGroup(int code) { return code >= 60 && code <= 79; }
bool isLongGroup(int code) { return code >= 90 && code <= 99; }
bool isRealGroup(int code) { return code >= 38 && code <= 59; }
bool isKnownGroup(int code) { return isStringGroup(code) || isShortGroup(code) || isLongGroup(code) || isRealGroup(code); }

// The value of a node whose type fits the group code.
Group groupOf(int code, const resbuf& node) {
    if (isStringGroup(code)) return {code, std::wstring(node.resval.rstring ? node.resval.rstring : L"")};
    if (isShortGroup(code)) return {code, static_cast<double>(node.resval.rint)};
    if (isLongGroup(code)) return {code, static_cast<double>(node.resval.rlong)};
    return {code, node.resval.rreal};
}

// (code . value) as AutoLISP passes it: the value carries its own type, which must fit the group.
std::optional<Group> dottedGroup(const resbuf* open, const resbuf** after) {
    const resbuf* code = open->rbnext;
    const resbuf* dot = code ? code->rbnext : nullptr;
    const resbuf* value = dot ? dot->rbnext : nullptr;
    const resbuf* close = value ? value->rbnext : nullptr;
    if (close == nullptr || code->restype != RTSHORT || dot->restype != RTDOTE || close->restype != RTLE) return std::nullopt;
    *after = close->rbnext;
    const int groupCode = code->resval.rint;
    if (isLongGroup(groupCode) && value->restype == RTSHORT) return Group{groupCode, static_cast<double>(value->resval.rint)};
    const bool fits = (isStringGroup(groupCode) && value->restype == RTSTR) ||
                      (isShortGroup(groupCode) && value->restype == RTSHORT) ||
                      (isLongGroup(groupCode) && value->restype == RTLONG) ||
                      (isRealGroup(groupCode) && value->restype == RTREAL);
    if (!fits) return std::nullopt;
    return groupOf(groupCode, *value);
}

std::optional<std::vector<Group>> groupsOf(const resbuf* chain) {
    std::vector<Group> groups;
    while (chain != nullptr) {
        std::optional<Group> group;
        if (chain->restype == RTLB) {
            group = dottedGroup(chain, &chain);
        } else {
            const int code = chain->restype == RTDXF0 ? 0 : chain->restype;
            if (isKnownGroup(code)) group = groupOf(code, *chain);
            chain = chain->rbnext;
        }
        if (!group) return std::nullopt;
        groups.push_back(std::move(*group));
    }
    return groups;
}

const std::wstring* operatorOf(const Group& group) {
    return group.code == -4 ? std::get_if<std::wstring>(&group.value) : nullptr;
}

bool isRelation(const std::wstring& op) {
    static const std::wstring relations[] = {L"*", L"=", L"!=", L"/=", L"<>", L"<", L"<=", L">", L">=", L"&", L"&="};
    return std::find(std::begin(relations), std::end(relations), op) != std::end(relations);
}

struct Grouping {
    const wchar_t* open;
    const wchar_t* close;
    Node::Kind kind;
};
constexpr Grouping groupings[] = {{L"<AND", L"AND>", Node::Kind::And},
                                  {L"<OR", L"OR>", Node::Kind::Or},
                                  {L"<NOT", L"NOT>", Node::Kind::Not},
                                  {L"<XOR", L"XOR>", Node::Kind::Xor}};

// Reads nodes up to `close` (or the end when close is null); position moves past what was read.
std::optional<std::vector<Node>> readNodes(const std::vector<Group>& groups, std::size_t& position, const wchar_t* close) {
    std::vector<Node> nodes;
    while (position < groups.size()) {
        const Group& group = groups[position++];
        const std::wstring* op = operatorOf(group);
        if (op == nullptr) {
            nodes.push_back({Node::Kind::Test, group, L"=", {}});
            continue;
        }
        const std::wstring word = upperCase(*op);
        if (close != nullptr && word == close) return nodes;
        if (isRelation(word)) {
            if (position >= groups.size() || operatorOf(groups[position]) != nullptr) return std::nullopt;
            nodes.push_back({Node::Kind::Test, groups[position++], word, {}});
            continue;
        }
        const auto grouping = std::find_if(std::begin(groupings), std::end(groupings), [&](const Grouping& g) { return word == g.open; });
        if (grouping == std::end(groupings)) return std::nullopt;
        std::optional<std::vector<Node>> children = readNodes(groups, position, grouping->close);
        if (!children) return std::nullopt;
        const std::size_t count = children->size();
        const bool countFits = grouping->kind == Node::Kind::Not ? count == 1
                               : grouping->kind == Node::Kind::Xor ? count == 2
                                                                   : count >= 1;
        if (!countFits) return std::nullopt;
        nodes.push_back({grouping->kind, {}, {}, std::move(*children)});
    }
    // Reaching the end inside a grouping leaves it open.
    if (close != nullptr) return std::nullopt;
    return nodes;
}

bool compareNumbers(double value, const std::wstring& relation, double wanted) {
    const auto bits = static_cast<long long>(value);
    const auto mask = static_cast<long long>(wanted);
    if (relation == L"*") return true;
    if (relation == L"=") return value == wanted;
    if (relation == L"!=" || relation == L"/=" || relation == L"<>") return value != wanted;
    if (relation == L"<") return value < wanted;
    if (relation == L"<=") return value <= wanted;
    if (relation == L">") return value > wanted;
    if (relation == L">=") return value >= wanted;
    if (relation == L"&") return (bits & mask) != 0;
    return (bits & mask) == mask;  // "&="
}

bool compareTexts(const std::wstring& value, const std::wstring& relation, const std::wstring& pattern) {
    if (relation == L"*") return true;
    const bool matches = lisp::wildcardMatch(upperCase(value), upperCase(pattern));
    if (relation == L"=") return matches;
    if (relation == L"!=" || relation == L"/=" || relation == L"<>") return !matches;
    return false;
}

std::optional<std::variant<std::wstring, double>> entityValue(const db::Database& database, const db::Entity& entity, int code) {
    switch (code) {
    case 0: return std::wstring(db::entityTypeName(entity.geometry));
    case 8: {
        const db::Layer* layer = database.layers().findById(entity.layer);
        return layer ? layer->name : std::wstring();
    }
    case 62: return static_cast<double>(entity.color);
    default: return std::nullopt;
    }
}

bool passes(const db::Database& database, const db::Entity& entity, const Node& node) {
    auto count = [&] {
        return std::count_if(node.children.begin(), node.children.end(), [&](const Node& n) { return passes(database, entity, n); });
    };
    switch (node.kind) {
    case Node::Kind::And: return count() == static_cast<long>(node.children.size());
    case Node::Kind::Or: return count() > 0;
    case Node::Kind::Not: return count() == 0;
    case Node::Kind::Xor: return count() == 1;
    case Node::Kind::Test: break;
    }
    const auto value = entityValue(database, entity, node.group.code);
    if (!value || value->index() != node.group.value.index()) return false;
    if (const auto* text = std::get_if<std::wstring>(&*value)) {
        return compareTexts(*text, node.relation, std::get<std::wstring>(node.group.value));
    }
    return compareNumbers(std::get<double>(*value), node.relation, std::get<double>(node.group.value));
}

}  // namespace

std::optional<SelectionFilter> SelectionFilter::read(const resbuf* chain) {
    const std::optional<std::vector<Group>> groups = groupsOf(chain);
    if (!groups) return std::nullopt;
    std::size_t position = 0;
    std::optional<std::vector<Node>> nodes = readNodes(*groups, position, nullptr);
    if (!nodes) return std::nullopt;
    SelectionFilter filter;
    filter.tests_ = std::move(*nodes);
    return filter;
}

bool SelectionFilter::accepts(const db::Database& database, const db::Entity& entity) const {
    return std::all_of(tests_.begin(), tests_.end(), [&](const Node& node) { return passes(database, entity, node); });
}

}  // namespace vexa::sim::editor
