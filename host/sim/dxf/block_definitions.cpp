#include "dxf/block_definitions.h"

#include <charconv>
#include <set>

#include "dxf/entity_kinds.h"
#include "dxf/text_codec.h"
#include "sim/system_variables.h"

namespace vexa::sim::dxf {

namespace {

std::string newHandle(SourceDrawing& source) {
    char digits[20];
    std::string text(digits, std::to_chars(digits, digits + sizeof digits, source.nextHandle++, 16).ptr);
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
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
            missing.push_back({reference->block, newHandle(source)});
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
    Record begin;
    writeString(begin, 0, "BLOCK");
    writeString(begin, 5, newHandle(source));
    writeString(begin, 330, block.recordHandle);
    writeString(begin, 100, "AcDbEntity");
    writeString(begin, 8, "0");
    writeString(begin, 100, "AcDbBlockBegin");
    writeString(begin, 2, name);
    writeInteger(begin, 70, 0);
    writePoint(begin, 10, {});
    writeString(begin, 3, name);
    writeString(begin, 1, "");
    Record end;
    writeString(end, 0, "ENDBLK");
    writeString(end, 5, newHandle(source));
    writeString(end, 330, block.recordHandle);
    writeString(end, 100, "AcDbEntity");
    writeString(end, 8, "0");
    writeString(end, 100, "AcDbBlockEnd");
    return {std::move(begin), std::move(end)};
}

}  // namespace vexa::sim::dxf
