#include "db/arx_text_objects.h"

#include <cwchar>

namespace vexa::sim::db {

namespace {

AcGePoint3d toPoint(const Point3& p) { return {p.x, p.y, p.z}; }

struct TextObjectOf {
    AcDbEntity* operator()(const TextGeometry& text) const {
        return new AcDbText(toPoint(text.position), text.text.c_str(), text.height);
    }
    AcDbEntity* operator()(const MTextGeometry& text) const {
        return new AcDbMText(toPoint(text.position), text.contents.c_str());
    }
    AcDbEntity* operator()(const AttributeDefinitionGeometry& definition) const {
        return new AcDbAttributeDefinition(toPoint(definition.text.position), definition.text.text.c_str(),
                                           definition.tag.c_str(), definition.prompt.c_str(), definition.text.height);
    }
    AcDbEntity* operator()(const BlockReferenceGeometry& reference) const {
        return new AcDbBlockReference(toPoint(reference.position), reference.block.c_str());
    }
    AcDbEntity* operator()(const AttributeGeometry& attribute) const {
        return new AcDbAttribute(toPoint(attribute.text.position), attribute.text.text.c_str(), attribute.tag.c_str(),
                                 attribute.text.height);
    }
    template <class Other>
    AcDbEntity* operator()(const Other&) const {
        return nullptr;
    }
};

}  // namespace

AcDbEntity* newTextEntityObject(const Entity& entity) { return std::visit(TextObjectOf{}, entity.geometry); }

}  // namespace vexa::sim::db

bool AcDbHandle::getIntoAsciiBuffer(ACHAR* buffer, std::size_t size) const {
    if (buffer == nullptr || size == 0) return false;
    ACHAR text[20];
    std::swprintf(text, std::size(text), L"%llX", static_cast<unsigned long long>(value_));
    if (std::wcslen(text) >= size) return false;
    std::wcscpy(buffer, text);
    return true;
}
