#include "ordo/tools/frame_links.h"

#include <cwctype>

#include "acad/dbtext.h"

namespace vexa::ordo {

namespace {

bool sameIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towupper(a[i]) != std::towupper(b[i])) return false;
    }
    return true;
}

std::optional<std::wstring> linkedTextOf(const AcDbEntity& entity) {
    // Attributes and their definitions are texts too: the definition is taken, the attribute not.
    if (dynamic_cast<const AcDbAttribute*>(&entity) != nullptr) return std::nullopt;
    if (const auto* definition = dynamic_cast<const AcDbAttributeDefinition*>(&entity)) return definition->tag();
    if (const auto* text = dynamic_cast<const AcDbText*>(&entity)) return text->textString();
    if (const auto* mtext = dynamic_cast<const AcDbMText*>(&entity)) return mtext->contents();
    return std::nullopt;
}

}  // namespace

std::optional<LinkTarget> linkTargetOf(const ads_name picked) {
    AcDbObjectId id;
    if (acdbGetObjectId(id, picked) != Acad::eOk) return std::nullopt;
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return std::nullopt;
    std::optional<LinkTarget> target;
    if (std::optional<std::wstring> text = linkedTextOf(*entity)) {
        AcDbHandle handle;
        entity->getAcDbHandle(handle);
        ACHAR digits[20] = {};
        handle.getIntoAsciiBuffer(digits, std::size(digits));
        target = LinkTarget{std::move(*text), digits};
    }
    entity->close();
    return target;
}

int rowHoldingHandle(const std::vector<std::wstring>& handles, int row, std::wstring_view handle) {
    for (std::size_t i = 0; i < handles.size(); ++i) {
        if (static_cast<int>(i) != row && sameIgnoringCase(handles[i], handle)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace vexa::ordo
