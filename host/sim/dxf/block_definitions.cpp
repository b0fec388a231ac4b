#include "dxf/block_definitions.h"

#include <set>

#include "dxf/entity_kinds.h"
#include "dxf/text_codec.h"
#include "sim/system_variables.h"

namespace vexa::sim::dxf {

namespace {

// BLOCK's and ENDBLK's common groups: both belong to the block's record, on layer "0".
Record blockEntity(const char* type, const char* subclass, const MissingBlock& block, SourceDrawing& source) {
    Record record;
    writeString(record, 0, type);
    writeString(record, 5, source.newHandle());
    writeString(record, 330, block.recordHandle);
    writeString(record, 100, "AcDbEntity");
    writeString(record, 8, "0");
    writeString(record, 100, subclass);
    return record;
}

std::set<std::wstring> definedBlocks(const DxfFile& file) {
    std::set<std::wstring> names;
    const Section* tables = file.find("TABLES");
    if (tables == nullptr) return names;
    for (const Record& record : tables->records) {
        if (stringValue(record, 0) == "BLOCK_RECORD") names.insert(upperCase(decodeText(stringValue(record, 2))));
    }
    return names;
}

}  // namespace

std::vector<MissingBlock> missingBlocks(const db::Database& database, SourceDrawing& source) {
    std::set<std::wstring> known = definedBlocks(source.file);
    std::vector<MissingBlock> missing;
    for (const db::Entity* e = database.firstEntity(); e != nullptr; e = database.entityAfter(e->id)) {
        const auto* reference = std::get_if<db::BlockReferenceGeometry>(&e->geometry);
        if (reference != nullptr && known.insert(upperCase(reference->block)).second) {
            missing.push_back({reference->block, source.newHandle()});
        }
    }
    return missing;
}

Record blockRecordEntry(const MissingBlock& block, const std::string& tableHandle) {
    Record record;
    writeString(record, 0, "BLOCK_RECORD");
    writeString(record, 5, block.recordHandle);
    writeString(record, 330, tableHandle);
    writeString(record, 100, "AcDbSymbolTableRecord");
    writeString(record, 100, "AcDbBlockTableRecord");
    writeString(record, 2, encodeText(block.name));
    return record;
}

std::vector<Record> emptyBlock(const MissingBlock& block, SourceDrawing& source) {
    const std::string name = encodeText(block.name);
    Record begin = blockEntity("BLOCK", "AcDbBlockBegin", block, source);
    writeString(begin, 2, name);
    writeInteger(begin, 70, 0);
    writePoint(begin, 10, {});
    writeString(begin, 3, name);
    writeString(begin, 1, "");
    return {std::move(begin), blockEntity("ENDBLK", "AcDbBlockEnd", block, source)};
}

}  // namespace vexa::sim::dxf
