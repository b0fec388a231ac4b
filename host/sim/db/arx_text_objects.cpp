#include "db/arx_text_objects.h"

#include <cmath>
#include <cwchar>

namespace vexa::sim::db {

namespace {

AcGePoint3d toPoint(const Point3& p) { return {p.x, p.y, p.z}; }
Point3 fromPoint(const AcGePoint3d& p) { return {p.x, p.y, p.z}; }

TextGeometry textOf(const AcDbText& text) {
    return {fromPoint(text.position()), text.height(), text.rotation(), text.textString()};
}

struct TextObjectOf {
    AcDbEntity* operator()(const TextGeometry& text) const {
        return new AcDbText(toPoint(text.position), text.text.c_str(), text.height, text.rotation);
    }
    AcDbEntity* operator()(const MTextGeometry& text) const {
        return new AcDbMText(toPoint(text.position), text.contents.c_str(), text.height, text.width);
    }
    AcDbEntity* operator()(const AttributeDefinitionGeometry& definition) const {
        return new AcDbAttributeDefinition(toPoint(definition.text.position), definition.text.text.c_str(),
                                           definition.tag.c_str(), definition.prompt.c_str(), definition.text.height,
                                           definition.text.rotation);
    }
    AcDbEntity* operator()(const BlockReferenceGeometry& reference) const {
        return new AcDbBlockReference(toPoint(reference.position), reference.block.c_str());
    }
    AcDbEntity* operator()(const AttributeGeometry& attribute) const {
        return new AcDbAttribute(toPoint(attribute.text.position), attribute.text.text.c_str(), attribute.tag.c_str(),
                                 attribute.text.height, attribute.text.rotation);
    }
    template <class Other>
    AcDbEntity* operator()(const Other&) const {
        return nullptr;
    }
};

}  // namespace

AcDbEntity* newTextEntityObject(const Entity& entity) { return std::visit(TextObjectOf{}, entity.geometry); }

bool readTextGeometry(const AcDbEntity& object, Geometry& geometry) {
    if (const auto* attribute = AcDbAttribute::cast(&object)) {
        auto* record = std::get_if<AttributeGeometry>(&geometry);
        if (record == nullptr) return false;
        record->text = textOf(*attribute);
        record->tag = attribute->tag();
    } else if (const auto* definition = AcDbAttributeDefinition::cast(&object)) {
        geometry = AttributeDefinitionGeometry{textOf(*definition), definition->tag(), definition->prompt()};
    } else if (const auto* text = AcDbText::cast(&object)) {
        geometry = textOf(*text);
    } else if (const auto* mtext = AcDbMText::cast(&object)) {
        geometry = MTextGeometry{fromPoint(mtext->location()), mtext->textHeight(), mtext->width(), mtext->contents()};
    } else if (const auto* reference = AcDbBlockReference::cast(&object)) {
        geometry = BlockReferenceGeometry{fromPoint(reference->position()), reference->blockName()};
    } else {
        return false;
    }
    return true;
}

}  // namespace vexa::sim::db

namespace {

bool isTextHeight(double height) { return height > 0.0 && std::isfinite(height); }

}  // namespace

Acad::ErrorStatus AcDbText::setHeight(double height) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (!isTextHeight(height)) return Acad::eInvalidInput;
    height_ = height;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::setTextHeight(double height) {
    if (const Acad::ErrorStatus status = checkWritable(); status != Acad::eOk) return status;
    if (!isTextHeight(height)) return Acad::eInvalidInput;
    textHeight_ = height;
    return Acad::eOk;
}

bool AcDbHandle::getIntoAsciiBuffer(ACHAR* buffer, std::size_t size) const {
    if (buffer == nullptr || size == 0) return false;
    ACHAR text[20];
    std::swprintf(text, std::size(text), L"%llX", static_cast<unsigned long long>(value_));
    if (std::wcslen(text) >= size) return false;
    std::wcscpy(buffer, text);
    return true;
}
