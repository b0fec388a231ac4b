#include "dxf/drawing_writer.h"

#include <set>

#include "dxf/block_definitions.h"
#include "dxf/entity_records.h"
#include "dxf/record_patch.h"
#include "dxf/table_records.h"
#include "dxf/text_codec.h"

namespace vexa::sim::dxf {

namespace {

class Writer {
public:
    Writer(const db::Database& database, SourceDrawing& source) : database_(database), source_(source) {}

    std::string write(std::wstring_view currentLayer) {
        missingBlocks_ = missingBlocks(database_, source_);
        std::vector<std::string> texts(source_.file.sections.size());
        std::size_t headerIndex = texts.size();
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const Section& section = source_.file.sections[i];
            if (section.name == "HEADER") headerIndex = i;
            else if (section.name == "TABLES") texts[i] = tables(section);
            else if (section.name == "ENTITIES") texts[i] = entities();
            else if (section.name == "BLOCKS") texts[i] = blocks(section);
            else texts[i] = verbatim(section.records);
        }
        // Last, when every new handle is given out.
        if (headerIndex < texts.size()) texts[headerIndex] = header(source_.file.sections[headerIndex], currentLayer);
        std::string out;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            appendGroup(out, 0, "SECTION");
            appendGroup(out, 2, source_.file.sections[i].name);
            out += texts[i];
            appendGroup(out, 0, "ENDSEC");
        }
        appendGroup(out, 0, "EOF");
        return source_.codePage ? utf8ToWindows1252(out) : out;
    }

private:
    static std::string verbatim(const std::vector<Record>& records) {
        std::string out;
        for (const Record& record : records) appendRecord(out, record);
        return out;
    }

    std::string header(const Section& section, std::wstring_view currentLayer) const {
        std::string out;
        for (Record variable : section.records) {
            const std::string_view name = stringValue(variable, 9);
            for (Group& group : variable) {
                if (name == "$HANDSEED" && group.code == 5) group.value = SourceDrawing::hexHandle(source_.nextHandle);
                if (name == "$CLAYER" && group.code == 8 && database_.layers().contains(currentLayer)) {
                    group.value = encodeText(currentLayer);
                }
            }
            appendRecord(out, variable);
        }
        return out;
    }

    // What was read when nothing changed, else the original with the new values, else written anew.
    Record kept(db::ObjectId id, Record written, std::initializer_list<int> optionalCodes) const {
        const auto it = source_.kept.find(id);
        if (it == source_.kept.end()) return written;
        if (fingerprint(written) == it->second.fingerprint) return it->second.original;
        if (std::optional<Record> patched = patchRecord(it->second.original, written, optionalCodes)) return *patched;
        // The original's extended data stays unless the database wrote its own.
        if (extendedData(written).empty()) {
            for (Group& group : extendedData(it->second.original)) written.push_back(std::move(group));
        }
        return written;
    }

    std::string blocks(const Section& section) {
        std::string out = verbatim(section.records);
        for (const MissingBlock& block : missingBlocks_) out += verbatim(emptyBlock(block, source_));
        return out;
    }

    std::string tables(const Section& section) {
        std::string out;
        std::string table;
        std::string tableHandle;
        for (const Record& record : section.records) {
            const std::string_view type = stringValue(record, 0);
            if (type == "TABLE") {
                table = stringValue(record, 2);
                tableHandle = stringValue(record, 5);
            }
            if (type == "ENDTAB" && table == "LTYPE") out += linetypes();
            if (type == "ENDTAB" && table == "LAYER") out += layers();
            if (type == "ENDTAB" && table == "BLOCK_RECORD") {
                for (const MissingBlock& block : missingBlocks_) {
                    appendRecord(out, blockRecordEntry(block, tableHandle));
                }
            }
            appendRecord(out, record);
        }
        return out;
    }

    std::string linetypes() {
        std::set<db::ObjectId> used;
        for (const db::Layer& layer : database_.layers().records()) used.insert(layer.linetype);
        for (const db::Entity* e = database_.firstEntity(); e != nullptr; e = database_.entityAfter(e->id)) {
            used.insert(e->linetype);
        }
        std::string out;
        for (const Slot& slot : source_.linetypes) {
            const db::Linetype* linetype = database_.linetypes().findById(slot.id);
            if (slot.id == db::kNullId) out += verbatim(slot.verbatim);
            else if (linetype != nullptr) appendRecord(out, kept(slot.id, writeLinetype(*linetype, source_), {}));
        }
        // The standard linetypes of the simulated template go into a file only when used.
        for (const db::Linetype& linetype : database_.linetypes().records()) {
            const bool wanted = !source_.fromFile || used.contains(linetype.id) || upperCase(linetype.name) == L"BYLAYER" ||
                                upperCase(linetype.name) == L"BYBLOCK" || upperCase(linetype.name) == L"CONTINUOUS";
            if (!source_.kept.contains(linetype.id) && wanted) appendRecord(out, writeLinetype(linetype, source_));
        }
        return out;
    }

    std::string layers() {
        std::string out;
        for (const Slot& slot : source_.layers) {
            const db::Layer* layer = database_.layers().findById(slot.id);
            if (slot.id == db::kNullId) out += verbatim(slot.verbatim);
            else if (layer != nullptr) appendRecord(out, kept(slot.id, writeLayer(*layer, database_, source_), kLayerOptionalCodes));
        }
        for (const db::Layer& layer : database_.layers().records()) {
            if (!source_.kept.contains(layer.id)) appendRecord(out, writeLayer(layer, database_, source_));
        }
        return out;
    }

    std::string entities() {
        for (const db::Entity* e = database_.firstEntity(); e != nullptr; e = database_.entityAfter(e->id)) {
            if (const db::ObjectId owner = db::ownerOfSubEntity(*e); owner != db::kNullId) attributes_[owner].push_back(e->id);
        }
        std::string out;
        std::set<db::ObjectId> placed;
        for (const Slot& slot : source_.entities) {
            if (slot.id == db::kNullId) out += verbatim(slot.verbatim);
            else entity(slot.id, out);
            placed.insert(slot.id);
        }
        for (const db::Entity* e = database_.firstEntity(); e != nullptr; e = database_.entityAfter(e->id)) {
            if (db::ownerOfSubEntity(*e) == db::kNullId && !placed.contains(e->id)) entity(e->id, out);
        }
        return out;
    }

    // A model-space entity; a block reference with its attributes and their SEQEND.
    void entity(db::ObjectId id, std::string& out) {
        const db::Entity* entity = database_.findEntity(id);
        if (entity == nullptr || entity->erased) return;
        const std::string handle = source_.handleOf(id);
        std::optional<Record> written = writeEntity(*entity, database_, handle, source_.modelSpaceHandle);
        if (!written) return;
        const auto attributes = attributes_.find(id);
        const bool withAttributes = attributes != attributes_.end() && !attributes->second.empty();
        if (withAttributes && !source_.kept.contains(id)) written->push_back({66, "1", 0});
        appendRecord(out, kept(id, std::move(*written), kEntityOptionalCodes));
        if (!withAttributes) return;
        for (db::ObjectId attributeId : attributes->second) {
            const db::Entity& attribute = *database_.findEntity(attributeId);
            std::optional<Record> record = writeEntity(attribute, database_, source_.handleOf(attributeId), handle);
            appendRecord(out, kept(attributeId, std::move(*record), kEntityOptionalCodes));
        }
        const auto end = source_.sequenceEnds.find(id);
        if (end != source_.sequenceEnds.end()) {
            appendRecord(out, end->second);
            return;
        }
        Record sequenceEnd{{0, "SEQEND", 0}, {5, source_.newHandle(), 0}, {330, handle, 0}, {100, "AcDbEntity", 0}};
        sequenceEnd.push_back({8, encodeText(database_.layers().findById(entity->layer)->name), 0});
        appendRecord(out, sequenceEnd);
    }


    const db::Database& database_;
    SourceDrawing& source_;
    std::map<db::ObjectId, std::vector<db::ObjectId>> attributes_;
    std::vector<MissingBlock> missingBlocks_;
};

}  // namespace

std::string writeDrawing(const db::Database& database, SourceDrawing& source, std::wstring_view currentLayer) {
    return Writer(database, source).write(currentLayer);
}

}  // namespace vexa::sim::dxf
