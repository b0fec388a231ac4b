#include "dxf/drawing_reader.h"

#include <charconv>

#include "dxf/dxf_error.h"
#include "dxf/entity_records.h"
#include "dxf/group_reader.h"
#include "dxf/record_patch.h"
#include "dxf/table_records.h"
#include "dxf/text_codec.h"
#include "sim/system_variables.h"

namespace vexa::sim::dxf {

extern const char* const kNewDrawingDxf;

namespace {

constexpr std::string_view kOldestVersion = "AC1015";  // R2000

unsigned long long hexValue(std::string_view text) {
    unsigned long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return value;
}

bool isSubRecord(std::string_view type) { return type == "ATTRIB" || type == "VERTEX" || type == "SEQEND"; }

class Reader {
public:
    Reader(db::Database& database, ReadDrawing& result) : database_(database), result_(result), source_(result.source) {}

    void read() {
        unsigned long long highest = 0;
        for (const Section& section : source_.file.sections) {
            if (section.name == "HEADER") continue;  // $HANDSEED's own group 5
            for (const Record& record : section.records) {
                for (const Group& group : record) {
                    if (group.code == 5 || group.code == 105) highest = std::max(highest, hexValue(group.value));
                }
            }
        }
        source_.nextHandle = highest + 1;
        if (Section* header = source_.file.find("HEADER")) readHeader(*header);
        if (Section* tables = source_.file.find("TABLES")) readTables(*tables);
        if (Section* entities = source_.file.find("ENTITIES")) readEntities(*entities);
        else source_.file.sections.push_back({"ENTITIES", 0, {}});
    }

private:
    void readHeader(const Section& header) {
        for (const Record& variable : header.records) {
            const std::string_view name = stringValue(variable, 9);
            if (name == "$ACADVER") {
                const Group* version = findGroup(variable, 1);
                if (version != nullptr && version->value < kOldestVersion) {
                    throw DxfError(version->line, "DXF version " + version->value + " is older than R2000 (AC1015)");
                }
            } else if (name == "$HANDSEED") {
                source_.nextHandle = std::max(source_.nextHandle, hexValue(stringValue(variable, 5)));
            } else if (name == "$CLAYER") {
                clayer_ = decodeText(stringValue(variable, 8));
            }
        }
    }

    // The layer and linetype entries move into slots; the other tables stay as they are.
    void readTables(Section& tables) {
        std::vector<Record> kept;
        std::vector<Record> linetypes;
        std::vector<Record> layers;
        std::string table;
        for (Record& record : tables.records) {
            const std::string_view type = stringValue(record, 0);
            if (type == "TABLE") {
                table = stringValue(record, 2);
                if (table == "LAYER") source_.layerTableHandle = stringValue(record, 5);
                if (table == "LTYPE") source_.linetypeTableHandle = stringValue(record, 5);
            } else if (type == "ENDTAB") {
                table.clear();
            } else if (table == "BLOCK_RECORD" && upperCase(decodeText(stringValue(record, 2))) == L"*MODEL_SPACE") {
                source_.modelSpaceHandle = stringValue(record, 5);
            }
            const bool entry = type != "TABLE" && type != "ENDTAB";
            if (entry && table == "LAYER") layers.push_back(std::move(record));
            else if (entry && table == "LTYPE") linetypes.push_back(std::move(record));
            else kept.push_back(std::move(record));
        }
        tables.records = std::move(kept);
        for (Record& record : linetypes) readLinetypeEntry(std::move(record));
        for (Record& record : layers) readLayerEntry(std::move(record));
    }

    void readLinetypeEntry(Record record) {
        std::optional<db::Linetype> linetype = readLinetype(record);
        db::ObjectId id = db::kNullId;
        if (linetype) {
            const db::Linetype* existing = database_.linetypes().find(linetype->name);
            if (existing != nullptr && !source_.kept.contains(existing->id)) id = existing->id;
            else if (existing == nullptr) database_.addLinetype(*linetype, &id);
        }
        if (id == db::kNullId) {
            source_.linetypes.push_back({db::kNullId, {std::move(record)}});
            return;
        }
        source_.handles[id] = stringValue(record, 5);
        const Record written = writeLinetype(*database_.linetypes().findById(id), source_);
        source_.kept[id] = {std::move(record), fingerprint(written)};
        source_.linetypes.push_back({id, {}});
    }

    void readLayerEntry(Record record) {
        std::optional<db::Layer> layer = readLayer(record, database_);
        db::ObjectId id = db::kNullId;
        if (layer) {
            const db::Layer* existing = database_.layers().find(layer->name);
            if (existing != nullptr && !source_.kept.contains(existing->id)) {
                layer->id = existing->id;
                layer->name = existing->name;  // "0" keeps its name in any case
                if (database_.updateLayer(*layer) == db::Refusal::None) id = existing->id;
            } else if (existing == nullptr) {
                database_.addLayer(*layer, &id);
            }
        }
        if (id == db::kNullId) {
            source_.layers.push_back({db::kNullId, {std::move(record)}});
            return;
        }
        source_.handles[id] = stringValue(record, 5);
        const Record written = writeLayer(*database_.layers().findById(id), database_, source_);
        source_.kept[id] = {std::move(record), fingerprint(written)};
        source_.layers.push_back({id, {}});
    }

    // An entity with the attributes or vertices that follow it and their SEQEND make one unit.
    void readEntities(Section& section) {
        std::vector<Record>& records = section.records;
        source_.entities.reserve(records.size());
        for (std::size_t i = 0; i < records.size();) {
            std::size_t end = i + 1;
            while (end < records.size() && isSubRecord(stringValue(records[end], 0))) {
                if (stringValue(records[end++], 0) == "SEQEND") break;
            }
            readUnit(records.begin() + static_cast<std::ptrdiff_t>(i), records.begin() + static_cast<std::ptrdiff_t>(end));
            i = end;
        }
        records.clear();
        if (const db::Layer* layer = database_.layers().find(clayer_)) result_.currentLayer = layer->name;
    }

    using RecordIterator = std::vector<Record>::iterator;

    void readUnit(RecordIterator first, RecordIterator last) {
        std::vector<db::Entity> entities;
        std::optional<Record> sequenceEnd;
        bool whole = true;
        for (auto it = first; it != last && whole; ++it) {
            const std::string_view type = stringValue(*it, 0);
            if (type == "SEQEND" && it != first) {
                sequenceEnd = *it;
                continue;
            }
            const bool fits = it == first ? !isSubRecord(type) : type == "ATTRIB" && stringValue(*first, 0) == "INSERT";
            std::optional<db::Entity> entity = fits ? readEntity(*it, database_) : std::nullopt;
            if (entity) entities.push_back(std::move(*entity));
            else whole = false;
        }
        if (!whole) {
            source_.entities.push_back({db::kNullId, std::vector<Record>(std::make_move_iterator(first), std::make_move_iterator(last))});
            return;
        }
        db::ObjectId owner = db::kNullId;
        auto record = first;
        for (db::Entity& entity : entities) {
            if (auto* attribute = std::get_if<db::AttributeGeometry>(&entity.geometry)) attribute->owner = owner;
            db::ObjectId id = db::kNullId;
            database_.addEntity(std::move(entity), &id);
            if (owner == db::kNullId) owner = id;
            keepEntity(id, std::move(*record), owner == id ? source_.modelSpaceHandle : source_.handleOf(owner));
            ++record;
        }
        if (sequenceEnd) source_.sequenceEnds[owner] = std::move(*sequenceEnd);
        source_.entities.push_back({owner, {}});
    }

    void keepEntity(db::ObjectId id, Record record, const std::string& owner) {
        source_.handles[id] = stringValue(record, 5);
        const std::optional<Record> written = writeEntity(*database_.findEntity(id), database_, source_.handleOf(id), owner);
        source_.kept[id] = {std::move(record), written ? fingerprint(*written) : 0};
    }


    db::Database& database_;
    ReadDrawing& result_;
    SourceDrawing& source_;
    std::wstring clayer_;
};

}  // namespace

ReadDrawing readDrawing(std::string_view text, db::Database& database) {
    ReadDrawing result;
    // Read as UTF-8 throughout; a file in a code page is converted first.
    result.source.codePage = usesCodePage(text);
    const std::string converted = result.source.codePage ? windows1252ToUtf8(text) : std::string();
    result.source.file = parseFile(readGroups(result.source.codePage ? std::string_view(converted) : text));
    result.source.fromFile = true;
    Reader(database, result).read();
    return result;
}

SourceDrawing newDrawingSource() {
    db::Database scratch;
    ReadDrawing skeleton = readDrawing(kNewDrawingDxf, scratch);
    skeleton.source.fromFile = false;
    skeleton.source.kept.clear();
    skeleton.source.handles.clear();
    skeleton.source.layers.clear();
    skeleton.source.linetypes.clear();
    return std::move(skeleton.source);
}

}  // namespace vexa::sim::dxf
