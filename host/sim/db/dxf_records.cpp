#include "db/dxf_records.h"

#include <cmath>

#include "db/dxf_annotation_records.h"
#include "db/dxf_values.h"

namespace vexa::sim::db {

namespace {

using lisp::makeCons;
using lisp::makeInteger;
using lisp::makeReal;
using lisp::makeString;
using lisp::ValueKind;
using lisp::ValuePtr;

std::vector<ValuePtr> entityHeader(const Database& database, const Entity& entity) {
    std::vector<ValuePtr> items{
        group(-1, lisp::makeEntityName(entity.id)),
        group(0, makeString(entityTypeName(entity.geometry))),
        group(5, makeString(Database::handleOf(entity.id))),
        group(100, makeString(L"AcDbEntity")),
        group(67, makeInteger(0)),
        group(8, makeString(database.layers().findById(entity.layer)->name)),
    };
    if (entity.color != kColorByLayer) items.push_back(group(62, makeInteger(entity.color)));
    const std::wstring& linetype = database.linetypes().findById(entity.linetype)->name;
    if (upperCase(linetype) != L"BYLAYER") items.push_back(group(6, makeString(linetype)));
    if (!entity.visible) items.push_back(group(60, makeInteger(1)));
    return items;
}

const Point3 kNormal{0.0, 0.0, 1.0};

void appendText(std::vector<ValuePtr>& items, const TextGeometry& text) {
    items.push_back(group(100, makeString(L"AcDbText")));
    items.push_back(pointGroup(10, text.position));
    items.push_back(group(40, makeReal(text.height)));
    items.push_back(group(1, makeString(text.text)));
    items.push_back(group(50, makeReal(text.rotation)));
    items.push_back(group(7, makeString(L"Standard")));
}



bool readText(const DxfGroups& dxf, TextGeometry& text) {
    return apply<Point3>(dxf, 10, pointOf, storeInto(text.position)) &&
           apply<double>(dxf, 40, positiveOf, storeInto(text.height)) &&
           apply<double>(dxf, 50, realOf, storeInto(text.rotation)) &&
           apply<std::wstring>(dxf, 1, stringOf, storeInto(text.text));
}

bool readTag(const DxfGroups& dxf, std::wstring& tag) {
    // A tag is one word, as the host keeps it: no spaces, upper case.
    return apply<std::wstring>(dxf, 2, stringOf, [&](const std::wstring& value) {
        if (value.empty() || value.find(L' ') != std::wstring::npos) return false;
        tag = upperCase(value);
        return true;
    });
}

void appendGeometry(std::vector<ValuePtr>& items, const Database& database, const Geometry& geometry) {
    if (isAnnotation(geometry)) {
        appendAnnotationGroups(items, database, geometry);
    } else if (const auto* line = std::get_if<LineGeometry>(&geometry)) {
        items.push_back(group(100, makeString(L"AcDbLine")));
        items.push_back(pointGroup(10, line->start));
        items.push_back(pointGroup(11, line->end));
    } else if (const auto* circle = std::get_if<CircleGeometry>(&geometry)) {
        items.push_back(group(100, makeString(L"AcDbCircle")));
        items.push_back(pointGroup(10, circle->center));
        items.push_back(group(40, makeReal(circle->radius)));
    } else if (const auto* arc = std::get_if<ArcGeometry>(&geometry)) {
        items.push_back(group(100, makeString(L"AcDbCircle")));
        items.push_back(pointGroup(10, arc->center));
        items.push_back(group(40, makeReal(arc->radius)));
        items.push_back(group(100, makeString(L"AcDbArc")));
        items.push_back(group(50, makeReal(arc->startAngle)));
        items.push_back(group(51, makeReal(arc->endAngle)));
    } else if (const auto* polyline = std::get_if<PolylineGeometry>(&geometry)) {
        items.push_back(group(100, makeString(L"AcDbPolyline")));
        items.push_back(group(90, makeInteger(static_cast<std::int32_t>(polyline->vertices.size()))));
        items.push_back(group(70, makeInteger(polyline->closed ? 1 : 0)));
        for (const Point3& vertex : polyline->vertices) items.push_back(pointGroup(10, vertex, true));
    } else if (const auto* text = std::get_if<TextGeometry>(&geometry)) {
        appendText(items, *text);
    } else if (const auto* mtext = std::get_if<MTextGeometry>(&geometry)) {
        items.push_back(group(100, makeString(L"AcDbMText")));
        items.push_back(pointGroup(10, mtext->position));
        items.push_back(group(40, makeReal(mtext->height)));
        items.push_back(group(41, makeReal(mtext->width)));
        items.push_back(group(1, makeString(mtext->contents)));
        items.push_back(group(7, makeString(L"Standard")));
    } else if (const auto* definition = std::get_if<AttributeDefinitionGeometry>(&geometry)) {
        appendText(items, definition->text);
        items.push_back(group(100, makeString(L"AcDbAttributeDefinition")));
        items.push_back(group(3, makeString(definition->prompt)));
        items.push_back(group(2, makeString(definition->tag)));
        items.push_back(group(70, makeInteger(0)));
    } else if (const auto* reference = std::get_if<BlockReferenceGeometry>(&geometry)) {
        items.push_back(group(100, makeString(L"AcDbBlockReference")));
        items.push_back(group(2, makeString(reference->block)));
        items.push_back(pointGroup(10, reference->position));
    } else if (const auto* attribute = std::get_if<AttributeGeometry>(&geometry)) {
        appendText(items, attribute->text);
        items.push_back(group(100, makeString(L"AcDbAttribute")));
        items.push_back(group(2, makeString(attribute->tag)));
        items.push_back(group(70, makeInteger(0)));
    }
    items.push_back(pointGroup(210, kNormal));
}

bool readGeometry(const DxfGroups& dxf, const Database& database, Geometry& geometry) {
    if (isAnnotation(geometry)) return readAnnotationGroups(dxf, database, geometry);
    const auto point = [](const ValuePtr& v) { return pointOf(v); };
    const auto real = [](const ValuePtr& v) { return realOf(v); };
    const auto positive = [](const ValuePtr& v) { return positiveOf(v); };
    const auto into = [](auto& field) { return storeInto(field); };
    if (auto* line = std::get_if<LineGeometry>(&geometry)) {
        return apply<Point3>(dxf, 10, point, into(line->start)) && apply<Point3>(dxf, 11, point, into(line->end));
    }
    if (auto* circle = std::get_if<CircleGeometry>(&geometry)) {
        return apply<Point3>(dxf, 10, point, into(circle->center)) &&
               apply<double>(dxf, 40, positive, into(circle->radius));
    }
    if (auto* arc = std::get_if<ArcGeometry>(&geometry)) {
        return apply<Point3>(dxf, 10, point, into(arc->center)) && apply<double>(dxf, 40, positive, into(arc->radius)) &&
               apply<double>(dxf, 50, real, into(arc->startAngle)) && apply<double>(dxf, 51, real, into(arc->endAngle));
    }
    if (auto* polyline = std::get_if<PolylineGeometry>(&geometry)) {
        std::vector<Point3> vertices;
        for (const auto& [code, value] : dxf.groups) {
            if (code != 10) continue;
            const std::optional<Point3> vertex = pointOf(value);
            if (!vertex) return false;
            vertices.push_back({vertex->x, vertex->y, 0.0});
        }
        if (!vertices.empty()) polyline->vertices = std::move(vertices);
        const auto flags = [](const ValuePtr& v) { return integerOf(v); };
        return apply<std::int32_t>(dxf, 70, flags, [&](std::int32_t bits) { polyline->closed = (bits & 1) != 0; return true; }) &&
               polyline->vertices.size() >= 2;
    }
    if (auto* text = std::get_if<TextGeometry>(&geometry)) return readText(dxf, *text);
    if (auto* mtext = std::get_if<MTextGeometry>(&geometry)) {
        return apply<Point3>(dxf, 10, point, into(mtext->position)) &&
               apply<double>(dxf, 40, positive, into(mtext->height)) &&
               apply<double>(dxf, 41, [](const ValuePtr& v) {
                   const std::optional<double> r = realOf(v);
                   return r && *r >= 0.0 ? r : std::nullopt;
               }, into(mtext->width)) &&
               apply<std::wstring>(dxf, 1, stringOf, into(mtext->contents));
    }
    if (auto* definition = std::get_if<AttributeDefinitionGeometry>(&geometry)) {
        return readText(dxf, definition->text) && readTag(dxf, definition->tag) &&
               apply<std::wstring>(dxf, 3, stringOf, into(definition->prompt));
    }
    if (auto* reference = std::get_if<BlockReferenceGeometry>(&geometry)) {
        return apply<Point3>(dxf, 10, point, into(reference->position)) &&
               apply<std::wstring>(dxf, 2, stringOf, into(reference->block));
    }
    auto& attribute = std::get<AttributeGeometry>(geometry);
    return readText(dxf, attribute.text) && readTag(dxf, attribute.tag);
}

// The groups an entity of each type cannot be made without.
struct RequiredGroups {
    const DxfGroups& dxf;
    bool operator()(const LineGeometry&) const { return dxf.has(10) && dxf.has(11); }
    bool operator()(const CircleGeometry&) const { return dxf.has(10) && dxf.has(40); }
    bool operator()(const ArcGeometry&) const { return dxf.has(10) && dxf.has(40) && dxf.has(50) && dxf.has(51); }
    bool operator()(const PolylineGeometry&) const { return dxf.has(10); }
    bool operator()(const TextGeometry&) const { return dxf.has(10) && dxf.has(1); }
    bool operator()(const MTextGeometry&) const { return dxf.has(10) && dxf.has(1); }
    bool operator()(const AttributeDefinitionGeometry&) const { return dxf.has(10) && dxf.has(2); }
    bool operator()(const BlockReferenceGeometry&) const { return dxf.has(10) && dxf.has(2); }
    bool operator()(const AttributeGeometry&) const { return dxf.has(10) && dxf.has(2); }
    bool operator()(const DimensionGeometry&) const { return dxf.has(10) && dxf.has(13) && dxf.has(14); }
    bool operator()(const LeaderGeometry&) const { return dxf.has(10); }
    bool operator()(const MLeaderGeometry&) const { return dxf.has(10); }
    // Ellipses, splines and solids come from the host's commands and services, not from entmake.
    bool operator()(const EllipseGeometry&) const { return false; }
    bool operator()(const SplineGeometry&) const { return false; }
    bool operator()(const SolidGeometry&) const { return false; }
};

bool hasRequiredGroups(const DxfGroups& dxf, const Geometry& geometry) { return std::visit(RequiredGroups{dxf}, geometry); }

// An attribute made on its own joins the block reference made just before it (or before its
// sibling attributes), as the host's entmake sequence of INSERT and ATTRIB does.
ObjectId ownerForNewAttribute(const Database& database) {
    const Entity* newest = nullptr;
    for (const Entity* entity = database.firstEntity(); entity != nullptr; entity = database.entityAfter(entity->id)) {
        newest = entity;
    }
    if (newest == nullptr) return kNullId;
    if (std::holds_alternative<BlockReferenceGeometry>(newest->geometry)) return newest->id;
    return ownerOfSubEntity(*newest);
}

}  // namespace

std::optional<DxfGroups> DxfGroups::read(const ValuePtr& list) {
    DxfGroups dxf;
    for (ValuePtr rest = list; rest; rest = rest->cons().cdr) {
        if (!lisp::isCons(rest)) return std::nullopt;
        const ValuePtr& item = rest->cons().car;
        if (!lisp::isCons(item) || !lisp::isKind(item->cons().car, ValueKind::Integer)) return std::nullopt;
        dxf.groups.emplace_back(item->cons().car->integer(), item->cons().cdr);
    }
    return dxf;
}

const ValuePtr* DxfGroups::find(int code) const {
    for (const auto& [groupCode, value] : groups) {
        if (groupCode == code) return &value;
    }
    return nullptr;
}

ValuePtr layerToDxf(const Database& database, const Layer& layer, bool asEntget) {
    std::vector<ValuePtr> items;
    if (asEntget) items.push_back(group(-1, lisp::makeEntityName(layer.id)));
    items.push_back(group(0, makeString(L"LAYER")));
    if (asEntget) {
        items.push_back(group(5, makeString(Database::handleOf(layer.id))));
        items.push_back(group(100, makeString(L"AcDbSymbolTableRecord")));
        items.push_back(group(100, makeString(L"AcDbLayerTableRecord")));
    }
    items.push_back(group(2, makeString(layer.name)));
    items.push_back(group(70, makeInteger((layer.frozen ? 1 : 0) | (layer.locked ? 4 : 0))));
    items.push_back(group(62, makeInteger(layer.off ? -layer.colorIndex : layer.colorIndex)));
    if (layer.trueColor) items.push_back(group(420, makeInteger(static_cast<std::int32_t>(*layer.trueColor))));
    items.push_back(group(6, makeString(database.linetypes().findById(layer.linetype)->name)));
    return lisp::makeList(items);
}

ValuePtr linetypeToDxf(const Linetype& linetype, bool asEntget) {
    std::vector<ValuePtr> items;
    if (asEntget) items.push_back(group(-1, lisp::makeEntityName(linetype.id)));
    items.push_back(group(0, makeString(L"LTYPE")));
    if (asEntget) {
        items.push_back(group(5, makeString(Database::handleOf(linetype.id))));
        items.push_back(group(100, makeString(L"AcDbSymbolTableRecord")));
        items.push_back(group(100, makeString(L"AcDbLinetypeTableRecord")));
    }
    items.push_back(group(2, makeString(linetype.name)));
    items.push_back(group(70, makeInteger(0)));
    items.push_back(group(3, makeString(linetype.description)));
    items.push_back(group(72, makeInteger(65)));  // alignment code 'A'
    items.push_back(group(73, makeInteger(static_cast<std::int32_t>(linetype.dashes.size()))));
    double length = 0.0;
    for (double dash : linetype.dashes) length += std::abs(dash);
    items.push_back(group(40, makeReal(length)));
    for (double dash : linetype.dashes) items.push_back(group(49, makeReal(dash)));
    return lisp::makeList(items);
}

ValuePtr entityToDxf(const Database& database, const Entity& entity, bool withAcadXData) {
    std::vector<ValuePtr> items = entityHeader(database, entity);
    appendGeometry(items, database, entity.geometry);
    if (ValuePtr xdata = withAcadXData ? annotationXData(entity.geometry) : nullptr) items.push_back(std::move(xdata));
    return lisp::makeList(items);
}

std::optional<Layer> layerFromDxf(const Database& database, const DxfGroups& dxf, Layer layer) {
    const auto text = [](const ValuePtr& v) { return stringOf(v); };
    const auto integer = [](const ValuePtr& v) { return integerOf(v); };
    const short oldIndex = layer.colorIndex;
    const bool ok =
        apply<std::wstring>(dxf, 2, text, [&](const std::wstring& name) { layer.name = name; return true; }) &&
        apply<std::int32_t>(dxf, 70, integer, [&](std::int32_t flags) {
            layer.frozen = (flags & 1) != 0;
            layer.locked = (flags & 4) != 0;
            return true;
        }) &&
        // A negative colour is the colour of a layer that is off.
        apply<std::int32_t>(dxf, 62, integer, [&](std::int32_t color) {
            if (color == 0 || color < -255 || color > 255) return false;
            layer.colorIndex = static_cast<short>(std::abs(color));
            layer.off = color < 0;
            return true;
        }) &&
        apply<std::int32_t>(dxf, 420, integer, [&](std::int32_t rgb) {
            if (rgb < 0 || rgb > 0xFFFFFF) return false;
            layer.trueColor = static_cast<std::uint32_t>(rgb);
            return true;
        }) &&
        apply<std::wstring>(dxf, 6, text, [&](const std::wstring& name) {
            const Linetype* linetype = database.linetypes().find(name);
            if (linetype == nullptr) return false;
            layer.linetype = linetype->id;
            return true;
        });
    if (!ok) return std::nullopt;
    // A new index colour given without a true colour replaces the true colour.
    if (dxf.has(62) && !dxf.has(420) && layer.colorIndex != oldIndex) layer.trueColor.reset();
    return layer;
}

std::optional<Entity> entityFromDxf(Database& database, const DxfGroups& dxf, Entity entity) {
    const auto text = [](const ValuePtr& v) { return stringOf(v); };
    std::wstring unknownLayer;
    const bool ok =
        apply<std::wstring>(dxf, 8, text, [&](const std::wstring& name) {
            const Layer* layer = database.layers().find(name);
            if (layer != nullptr) entity.layer = layer->id;
            else unknownLayer = name;
            return layer != nullptr || isValidSymbolName(name);
        }) &&
        apply<std::int32_t>(dxf, 62, [](const ValuePtr& v) { return integerOf(v); }, [&](std::int32_t color) {
            if (color < kColorByBlock || color > kColorByLayer) return false;
            entity.color = static_cast<short>(color);
            return true;
        }) &&
        apply<std::wstring>(dxf, 6, text, [&](const std::wstring& name) {
            const Linetype* linetype = database.linetypes().find(name);
            if (linetype == nullptr) return false;
            entity.linetype = linetype->id;
            return true;
        }) &&
        apply<std::int32_t>(dxf, 60, [](const ValuePtr& v) { return integerOf(v); }, [&](std::int32_t visibility) {
            if (visibility != 0 && visibility != 1) return false;
            entity.visible = visibility == 0;
            return true;
        }) &&
        readGeometry(dxf, database, entity.geometry);
    if (!ok) return std::nullopt;
    // The layer is made only once the whole list was found good, so a refused list leaves no trace.
    if (!unknownLayer.empty()) {
        Layer made{kNullId, unknownLayer, 7, std::nullopt, database.continuous().id};
        if (database.addLayer(made, &entity.layer) != Refusal::None) return std::nullopt;
    }
    return entity;
}

std::optional<Entity> newEntityOfType(const Database& database, std::wstring_view type, std::wstring_view currentLayer) {
    static const std::vector<std::pair<std::wstring_view, Geometry>> prototypes{
        {L"LINE", LineGeometry{}},           {L"CIRCLE", CircleGeometry{}},  {L"ARC", ArcGeometry{}},
        {L"LWPOLYLINE", PolylineGeometry{}}, {L"TEXT", TextGeometry{}},      {L"MTEXT", MTextGeometry{}},
        {L"ATTDEF", AttributeDefinitionGeometry{}}, {L"INSERT", BlockReferenceGeometry{}},
        {L"ATTRIB", AttributeGeometry{}},          {L"DIMENSION", DimensionGeometry{}},
        {L"LEADER", LeaderGeometry{}},             {L"MULTILEADER", MLeaderGeometry{}},
    };
    const std::wstring upper = upperCase(type);
    for (const auto& [name, geometry] : prototypes) {
        if (name != upper) continue;
        const Layer* layer = database.layers().find(currentLayer);
        Entity entity;
        entity.layer = layer != nullptr ? layer->id : database.layerZero().id;
        entity.linetype = database.linetypes().find(L"BYLAYER")->id;
        entity.geometry = geometry;
        if (auto* dimension = std::get_if<DimensionGeometry>(&entity.geometry)) dimension->style = database.currentDimStyle().id;
        if (auto* leader = std::get_if<LeaderGeometry>(&entity.geometry)) leader->style = database.currentDimStyle().id;
        if (auto* attribute = std::get_if<AttributeGeometry>(&entity.geometry)) {
            attribute->owner = ownerForNewAttribute(database);
            if (attribute->owner == kNullId) return std::nullopt;
        }
        return entity;
    }
    return std::nullopt;
}

bool hasEntityGroupsFor(const DxfGroups& dxf, const Entity& entity) { return hasRequiredGroups(dxf, entity.geometry); }

}  // namespace vexa::sim::db
