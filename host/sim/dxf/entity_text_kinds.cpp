#include "dxf/entity_rows.h"

#include <numbers>

#include "dxf/text_codec.h"
#include "sim/system_variables.h"

namespace vexa::sim::dxf {

namespace {

using namespace db;

constexpr double kDegrees = 180.0 / std::numbers::pi;
constexpr std::size_t kChunk = 250;  // longest value of one group of multiline text

bool readTextGroups(const Record& record, TextGeometry& text) {
    text.position = readPoint(record, 10);
    text.height = realValue(record, 40, 2.5);
    text.rotation = realValue(record, 50, 0.0) / kDegrees;
    text.text = decodeText(stringValue(record, 1));
    return text.height > 0.0;
}

void writeTextGroups(const TextGeometry& text, Record& record) {
    writeString(record, 100, "AcDbText");
    writePoint(record, 10, text.position);
    writeReal(record, 40, text.height);
    writeString(record, 1, encodeText(text.text));
    writeReal(record, 50, text.rotation * kDegrees);
}

// A tag is one word in upper case, as the host keeps it.
bool readTag(const Record& record, std::wstring& tag) {
    tag = upperCase(decodeText(stringValue(record, 2)));
    return !tag.empty() && tag.find(L' ') == std::wstring::npos;
}

// An attribute's or a definition's groups after its text: prompt (definitions only), tag, flags.
void writeAttributeGroups(const TextGeometry& text, const char* subclass, const std::wstring* prompt,
                          const std::wstring& tag, Record& record) {
    writeTextGroups(text, record);
    writeString(record, 100, subclass);
    if (prompt != nullptr) writeString(record, 3, encodeText(*prompt));
    writeString(record, 2, encodeText(tag));
    writeInteger(record, 70, 0);
}

bool readText(const Record& record, Geometry& geometry) {
    TextGeometry text;
    if (!readTextGroups(record, text)) return false;
    geometry = std::move(text);
    return true;
}

void writeText(const Geometry& geometry, Record& record) {
    writeTextGroups(std::get<TextGeometry>(geometry), record);
    writeString(record, 100, "AcDbText");
}

bool readMText(const Record& record, Geometry& geometry) {
    MTextGeometry text;
    text.position = readPoint(record, 10);
    text.height = realValue(record, 40, 2.5);
    text.width = realValue(record, 41, 0.0);
    std::string contents;
    for (const Group& group : record) {
        if (group.code == 3 || group.code == 1) contents += group.value;
    }
    text.contents = decodeText(contents);
    if (text.height <= 0.0 || text.width < 0.0) return false;
    geometry = std::move(text);
    return true;
}

void writeMText(const Geometry& geometry, Record& record) {
    const auto& text = std::get<MTextGeometry>(geometry);
    writeString(record, 100, "AcDbMText");
    writePoint(record, 10, text.position);
    writeReal(record, 40, text.height);
    writeReal(record, 41, text.width);
    writeInteger(record, 71, 1);  // attached at the top left corner
    const std::string contents = encodeText(text.contents);
    std::size_t at = 0;
    while (contents.size() - at > kChunk) {
        std::size_t end = at + kChunk;
        while (end > at && (static_cast<unsigned char>(contents[end]) & 0xC0) == 0x80) --end;  // whole characters
        writeString(record, 3, contents.substr(at, end - at));
        at = end;
    }
    writeString(record, 1, contents.substr(at));
}

bool readAttributeDefinition(const Record& record, Geometry& geometry) {
    AttributeDefinitionGeometry definition;
    if (!readTextGroups(record, definition.text) || !readTag(record, definition.tag)) return false;
    definition.prompt = decodeText(stringValue(record, 3));
    geometry = std::move(definition);
    return true;
}

void writeAttributeDefinition(const Geometry& geometry, Record& record) {
    const auto& definition = std::get<AttributeDefinitionGeometry>(geometry);
    writeAttributeGroups(definition.text, "AcDbAttributeDefinition", &definition.prompt, definition.tag, record);
}

bool readAttribute(const Record& record, Geometry& geometry) {
    AttributeGeometry attribute;
    if (!readTextGroups(record, attribute.text) || !readTag(record, attribute.tag)) return false;
    geometry = std::move(attribute);
    return true;
}

void writeAttribute(const Geometry& geometry, Record& record) {
    const auto& attribute = std::get<AttributeGeometry>(geometry);
    writeAttributeGroups(attribute.text, "AcDbAttribute", nullptr, attribute.tag, record);
}

constexpr EntityKind kTextKinds[] = {
    {"TEXT", readText, writeText},
    {"MTEXT", readMText, writeMText},
    {"ATTDEF", readAttributeDefinition, writeAttributeDefinition},
    // The owner is the block reference the attribute follows; the reader of the entities sets it.
    {"ATTRIB", readAttribute, writeAttribute},
};

}  // namespace

std::span<const EntityKind> textKinds() { return kTextKinds; }

}  // namespace vexa::sim::dxf
