#include "db/dxf_annotation_records.h"

#include "db/dxf_values.h"
#include "db/entity_geometry.h"

namespace vexa::sim::db {

namespace {

using lisp::makeInteger;
using lisp::makeReal;
using lisp::makeString;
using lisp::ValuePtr;

using namespace dimension_dxf;

struct Overrides {
    std::optional<double> scale;
    std::optional<double> textHeight;
};

std::wstring styleName(const Database& database, ObjectId style) {
    const DimStyle* found = database.dimStyles().findById(style);
    return found != nullptr ? found->name : database.currentDimStyle().name;
}

Overrides overridesOf(const Geometry& geometry) {
    if (const auto* dimension = std::get_if<DimensionGeometry>(&geometry)) return {dimension->scale, dimension->textHeight};
    if (const auto* leader = std::get_if<LeaderGeometry>(&geometry)) return {leader->scale, std::nullopt};
    return {};
}

// The "ACAD" application's items of a -3 group, or null when there are none.
ValuePtr acadXData(const DxfGroups& dxf) {
    const ValuePtr* xdata = dxf.find(-3);
    if (xdata == nullptr) return nullptr;
    for (ValuePtr rest = *xdata; lisp::isCons(rest); rest = rest->cons().cdr) {
        const ValuePtr& application = rest->cons().car;
        if (!lisp::isCons(application)) continue;
        const std::optional<std::wstring> name = stringOf(application->cons().car);
        if (name && upperCase(*name) == L"ACAD") return application->cons().cdr;
    }
    return nullptr;
}

// Reads the DSTYLE override data: nullopt when it is malformed, no value when there is none.
std::optional<std::optional<Overrides>> readOverrides(const DxfGroups& dxf) {
    const ValuePtr items = acadXData(dxf);
    if (!items) return std::optional<Overrides>();
    const std::optional<DxfGroups> groups = DxfGroups::read(items);
    if (!groups) return std::nullopt;
    const std::vector<std::pair<int, ValuePtr>>& list = groups->groups;
    std::size_t at = 0;
    while (at < list.size() && !(list[at].first == 1000 && stringOf(list[at].second) == L"DSTYLE")) ++at;
    if (at == list.size()) return std::optional<Overrides>();
    if (at + 1 >= list.size() || list[at + 1].first != 1002 || stringOf(list[at + 1].second) != L"{") return std::nullopt;
    Overrides overrides;
    for (at += 2; at < list.size(); at += 2) {
        if (list[at].first == 1002 && stringOf(list[at].second) == L"}") return std::optional<Overrides>(overrides);
        if (list[at].first != 1070 || at + 1 >= list.size()) return std::nullopt;
        const std::optional<std::int32_t> code = integerOf(list[at].second);
        const std::optional<double> value = realOf(list[at + 1].second);
        if (!code || !value) return std::nullopt;
        if (*code == kDimscale) {
            if (*value < 0.0) return std::nullopt;
            overrides.scale = *value;
        } else if (*code == kDimtxt) {
            if (*value <= 0.0) return std::nullopt;
            overrides.textHeight = *value;
        }
    }
    return std::nullopt;  // no closing brace
}

bool readStyle(const DxfGroups& dxf, const Database& database, ObjectId& style) {
    return apply<std::wstring>(dxf, 3, stringOf, [&](const std::wstring& name) {
        const DimStyle* found = database.dimStyles().find(name);
        if (found != nullptr) style = found->id;
        return found != nullptr;
    });
}

bool readDimension(const DxfGroups& dxf, const Database& database, DimensionGeometry& dimension) {
    const bool ok =
        apply<std::int32_t>(dxf, 70, integerOf, [&](std::int32_t flags) {
            if ((flags & kTypeMask) > kAligned) return false;
            dimension.aligned = (flags & kTypeMask) == kAligned;
            dimension.userTextPosition = (flags & kUserTextPosition) != 0;
            return true;
        }) &&
        apply<Point3>(dxf, 10, pointOf, storeInto(dimension.dimLine)) &&
        apply<Point3>(dxf, 11, pointOf, storeInto(dimension.textPosition)) &&
        apply<Point3>(dxf, 13, pointOf, storeInto(dimension.xLine1)) &&
        apply<Point3>(dxf, 14, pointOf, storeInto(dimension.xLine2)) &&
        apply<double>(dxf, 50, realOf, storeInto(dimension.rotation)) && readStyle(dxf, database, dimension.style);
    if (!ok) return false;
    if (dimension.aligned) dimension.rotation = 0.0;
    if (!dxf.has(11) && !dimension.userTextPosition) dimension.textPosition = defaultTextPosition(dimension);
    return true;
}

bool readLeader(const DxfGroups& dxf, const Database& database, LeaderGeometry& leader) {
    std::vector<Point3> vertices;
    for (const auto& [code, value] : dxf.groups) {
        if (code != 10) continue;
        const std::optional<Point3> vertex = pointOf(value);
        if (!vertex) return false;
        vertices.push_back(*vertex);
    }
    if (!vertices.empty()) leader.vertices = std::move(vertices);
    return readStyle(dxf, database, leader.style) && leader.vertices.size() >= 2;
}

bool readMLeader(const DxfGroups& dxf, MLeaderGeometry& leader) {
    return apply<Point3>(dxf, 10, pointOf, storeInto(leader.position)) &&
           apply<double>(dxf, 40, positiveOf, storeInto(leader.scale)) &&
           apply<double>(dxf, 41, positiveOf, storeInto(leader.textHeight));
}

void appendDimension(std::vector<ValuePtr>& items, const Database& database, const DimensionGeometry& dimension) {
    const std::int32_t flags =
        kOwnBlock | (dimension.aligned ? kAligned : 0) | (dimension.userTextPosition ? kUserTextPosition : 0);
    items.push_back(group(100, makeString(L"AcDbDimension")));
    items.push_back(pointGroup(10, dimension.dimLine));
    items.push_back(pointGroup(11, dimension.textPosition));
    items.push_back(group(70, makeInteger(flags)));
    items.push_back(group(1, makeString(L"")));
    items.push_back(group(3, makeString(styleName(database, dimension.style))));
    items.push_back(group(100, makeString(L"AcDbAlignedDimension")));
    items.push_back(pointGroup(13, dimension.xLine1));
    items.push_back(pointGroup(14, dimension.xLine2));
    if (!dimension.aligned) {
        items.push_back(group(50, makeReal(dimension.rotation)));
        items.push_back(group(100, makeString(L"AcDbRotatedDimension")));
    }
}

void appendLeader(std::vector<ValuePtr>& items, const Database& database, const LeaderGeometry& leader) {
    const DimStyle* style = database.dimStyles().findById(leader.style);
    const DimStyle& shown = style != nullptr ? *style : database.currentDimStyle();
    items.push_back(group(100, makeString(L"AcDbLeader")));
    items.push_back(group(3, makeString(shown.name)));
    items.push_back(group(71, makeInteger(1)));  // with an arrow
    items.push_back(group(72, makeInteger(0)));  // straight segments
    items.push_back(group(73, makeInteger(3)));  // no annotation
    // The annotation's height: the text height of the style at the leader's overall scale.
    items.push_back(group(40, makeReal(shown.textHeight * leader.scale.value_or(shown.scale))));
    items.push_back(group(76, makeInteger(static_cast<std::int32_t>(leader.vertices.size()))));
    for (const Point3& vertex : leader.vertices) items.push_back(pointGroup(10, vertex));
}

}  // namespace

bool isAnnotation(const Geometry& geometry) {
    return std::holds_alternative<DimensionGeometry>(geometry) || std::holds_alternative<LeaderGeometry>(geometry) ||
           std::holds_alternative<MLeaderGeometry>(geometry);
}

void appendAnnotationGroups(std::vector<ValuePtr>& items, const Database& database, const Geometry& geometry) {
    if (const auto* dimension = std::get_if<DimensionGeometry>(&geometry)) {
        appendDimension(items, database, *dimension);
    } else if (const auto* leader = std::get_if<LeaderGeometry>(&geometry)) {
        appendLeader(items, database, *leader);
    } else if (const auto* mleader = std::get_if<MLeaderGeometry>(&geometry)) {
        items.push_back(group(100, makeString(L"AcDbMLeader")));
        items.push_back(pointGroup(10, mleader->position));
        items.push_back(group(40, makeReal(mleader->scale)));
        items.push_back(group(41, makeReal(mleader->textHeight)));
    }
}

ValuePtr annotationXData(const Geometry& geometry) {
    const Overrides overrides = overridesOf(geometry);
    if (!overrides.scale && !overrides.textHeight) return nullptr;
    std::vector<ValuePtr> items{makeString(L"ACAD"), group(1000, makeString(L"DSTYLE")), group(1002, makeString(L"{"))};
    const auto variable = [&](std::int32_t code, const std::optional<double>& value) {
        if (!value) return;
        items.push_back(group(1070, makeInteger(code)));
        items.push_back(group(1040, makeReal(*value)));
    };
    variable(kDimscale, overrides.scale);
    variable(kDimtxt, overrides.textHeight);
    items.push_back(group(1002, makeString(L"}")));
    return group(-3, lisp::makeList({lisp::makeList(items)}));
}

bool readAnnotationGroups(const DxfGroups& dxf, const Database& database, Geometry& geometry) {
    if (auto* mleader = std::get_if<MLeaderGeometry>(&geometry)) return readMLeader(dxf, *mleader);
    const std::optional<std::optional<Overrides>> overrides = readOverrides(dxf);
    if (!overrides) return false;
    if (auto* dimension = std::get_if<DimensionGeometry>(&geometry)) {
        if (!readDimension(dxf, database, *dimension)) return false;
        if (*overrides) {
            dimension->scale = (*overrides)->scale;
            dimension->textHeight = (*overrides)->textHeight;
        }
        return true;
    }
    auto& leader = std::get<LeaderGeometry>(geometry);
    if (!readLeader(dxf, database, leader)) return false;
    if (*overrides) leader.scale = (*overrides)->scale;
    return true;
}

}  // namespace vexa::sim::db
