#include "dxf/table_records.h"

#include <cmath>
#include <cstdlib>

#include "dxf/text_codec.h"

namespace vexa::sim::dxf {

namespace {

constexpr int kFrozen = 1;
constexpr int kLocked = 4;

Record tableRecordHead(std::string type, std::string subclass, const std::string& handle, const std::string& owner) {
    Record record;
    writeString(record, 0, std::move(type));
    writeString(record, 5, handle);
    writeString(record, 330, owner);
    writeString(record, 100, "AcDbSymbolTableRecord");
    writeString(record, 100, std::move(subclass));
    return record;
}

}  // namespace

std::optional<db::Linetype> readLinetype(const Record& record) {
    db::Linetype linetype;
    linetype.name = decodeText(stringValue(record, 2));
    if (!db::isValidSymbolName(linetype.name)) return std::nullopt;
    linetype.description = decodeText(stringValue(record, 3));
    for (const Group& group : record) {
        if (group.code == 49) linetype.dashes.push_back(realValue(group).value_or(0.0));
    }
    return linetype;
}

std::optional<db::Layer> readLayer(const Record& record, const db::Database& database) {
    db::Layer layer;
    layer.name = decodeText(stringValue(record, 2));
    if (!db::isValidSymbolName(layer.name)) return std::nullopt;
    const long long color = integerValue(record, 62, 7);
    layer.off = color < 0;
    layer.colorIndex = std::llabs(color) >= 1 && std::llabs(color) <= 255 ? static_cast<short>(std::llabs(color)) : 7;
    if (const Group* trueColor = findGroup(record, 420)) {
        const long long rgb = integerValue(*trueColor).value_or(-1);
        if (rgb >= 0 && rgb <= 0xFFFFFF) layer.trueColor = static_cast<std::uint32_t>(rgb);
    }
    const long long flags = integerValue(record, 70, 0);
    layer.frozen = (flags & kFrozen) != 0;
    layer.locked = (flags & kLocked) != 0;
    const db::Linetype* linetype = database.linetypes().find(decodeText(stringValue(record, 6, "CONTINUOUS")));
    const bool real = linetype != nullptr && upperCase(linetype->name) != L"BYLAYER" && upperCase(linetype->name) != L"BYBLOCK";
    layer.linetype = real ? linetype->id : database.continuous().id;
    return layer;
}

Record writeLinetype(const db::Linetype& linetype, SourceDrawing& source) {
    Record record = tableRecordHead("LTYPE", "AcDbLinetypeTableRecord", source.handleOf(linetype.id), source.linetypeTableHandle);
    writeString(record, 2, encodeText(linetype.name));
    writeInteger(record, 70, 0);
    writeString(record, 3, encodeText(linetype.description));
    writeInteger(record, 72, 65);
    writeInteger(record, 73, static_cast<long long>(linetype.dashes.size()));
    double length = 0.0;
    for (double dash : linetype.dashes) length += std::fabs(dash);
    writeReal(record, 40, length);
    for (double dash : linetype.dashes) {
        writeReal(record, 49, dash);
        writeInteger(record, 74, 0);
    }
    return record;
}

Record writeLayer(const db::Layer& layer, const db::Database& database, SourceDrawing& source) {
    Record record = tableRecordHead("LAYER", "AcDbLayerTableRecord", source.handleOf(layer.id), source.layerTableHandle);
    writeString(record, 2, encodeText(layer.name));
    writeInteger(record, 70, (layer.frozen ? kFrozen : 0) | (layer.locked ? kLocked : 0));
    writeInteger(record, 62, layer.off ? -layer.colorIndex : layer.colorIndex);
    if (layer.trueColor) writeInteger(record, 420, *layer.trueColor);
    writeString(record, 6, encodeText(database.linetypes().findById(layer.linetype)->name));
    return record;
}

}  // namespace vexa::sim::dxf
