#include "dxf/entity_records.h"

#include "dxf/entity_rows.h"
#include "dxf/text_codec.h"
#include "lisp/utf8.h"
#include "sim/system_variables.h"

namespace vexa::sim::dxf {

std::optional<db::Entity> readEntity(const Record& record, db::Database& database) {
    const EntityKind* kind = entityKindOf(stringValue(record, 0));
    if (kind == nullptr || integerValue(record, 67, 0) != 0) return std::nullopt;
    db::Entity entity;
    if (!kind->read(record, entity.geometry)) return std::nullopt;
    readAnnotationStyle(record, database, entity.geometry);
    entity.visible = integerValue(record, 60, 0) == 0;
    const std::wstring layerName = decodeText(stringValue(record, 8, "0"));
    const db::Layer* layer = database.layers().find(layerName);
    if (layer == nullptr) {
        db::Layer made;
        made.name = layerName;
        made.linetype = database.continuous().id;
        db::ObjectId id = db::kNullId;
        if (database.addLayer(made, &id) != db::Refusal::None) return std::nullopt;
        layer = database.layers().findById(id);
    }
    entity.layer = layer->id;
    const long long color = integerValue(record, 62, db::kColorByLayer);
    if (color < db::kColorByBlock || color > db::kColorByLayer) return std::nullopt;
    entity.color = static_cast<short>(color);
    const db::Linetype* linetype = database.linetypes().find(decodeText(stringValue(record, 6, "BYLAYER")));
    entity.linetype = linetype ? linetype->id : database.linetypes().find(L"BYLAYER")->id;
    return entity;
}

std::optional<Record> writeEntity(const db::Entity& entity, const db::Database& database, const std::string& handle,
                                  const std::string& owner) {
    const EntityKind* kind = entityKindOf(lisp::encodeUtf8(db::entityTypeName(entity.geometry)));
    if (kind == nullptr) return std::nullopt;
    Record record;
    writeString(record, 0, std::string(kind->type));
    writeString(record, 5, handle);
    writeString(record, 330, owner);
    writeString(record, 100, "AcDbEntity");
    writeString(record, 8, encodeText(database.layers().findById(entity.layer)->name));
    const std::wstring& linetype = database.linetypes().findById(entity.linetype)->name;
    if (upperCase(linetype) != L"BYLAYER") writeString(record, 6, encodeText(linetype));
    if (entity.color != db::kColorByLayer) writeInteger(record, 62, entity.color);
    if (!entity.visible) writeInteger(record, 60, 1);
    kind->write(entity.geometry, record);
    writeAnnotationStyle(entity.geometry, database, record);
    return record;
}

}  // namespace vexa::sim::dxf
