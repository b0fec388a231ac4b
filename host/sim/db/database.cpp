#include "db/database.h"

#include <cwchar>
#include <iterator>

namespace vexa::sim::db {

namespace {

struct StandardLinetype {
    const wchar_t* name;
    const wchar_t* description;
    std::vector<double> dashes;
};

// The linetypes every new drawing of the product's template carries.
const std::vector<StandardLinetype>& standardLinetypes() {
    static const std::vector<StandardLinetype> linetypes{
        {L"BYBLOCK", L"", {}},
        {L"BYLAYER", L"", {}},
        {L"CONTINUOUS", L"Solid line", {}},
        {L"HIDDEN", L"Hidden __ __ __ __ __ __ __ __ __ __ __ __ __ __", {0.25, -0.125}},
        {L"CENTER", L"Center ____ _ ____ _ ____ _ ____ _ ____ _ ____", {1.25, -0.25, 0.25, -0.25}},
        {L"DASHED", L"Dashed __ __ __ __ __ __ __ __ __ __ __ __ __ _", {0.5, -0.25}},
        {L"PHANTOM", L"Phantom ______  __  __  ______  __  __  ______ ", {1.25, -0.25, 0.25, -0.25, 0.25, -0.25}},
        {L"DOT", L"Dot . . . . . . . . . . . . . . . . . . . . . . . .", {0.0, -0.25}},
    };
    return linetypes;
}

bool isByName(const Linetype& linetype) {
    return upperCase(linetype.name) == L"BYLAYER" || upperCase(linetype.name) == L"BYBLOCK";
}

}  // namespace

const wchar_t* entityTypeName(const Geometry& geometry) {
    static constexpr const wchar_t* names[] = {L"LINE",   L"CIRCLE",    L"ARC",    L"LWPOLYLINE", L"TEXT",
                                               L"ELLIPSE", L"SPLINE",   L"3DSOLID", L"MTEXT",     L"ATTDEF",
                                               L"INSERT", L"ATTRIB",    L"DIMENSION", L"LEADER",  L"MULTILEADER"};
    static_assert(std::size(names) == std::variant_size_v<Geometry>);
    return names[geometry.index()];
}

bool isValidSymbolName(std::wstring_view name) {
    if (name.empty() || name.size() > 255 || name.front() == L' ' || name.back() == L' ') return false;
    for (wchar_t c : name) {
        if (c < 0x20 || std::wcschr(L"<>/\\\":;?*|,=`", c) != nullptr) return false;
    }
    return true;
}

Database::Database() {
    for (const StandardLinetype& standard : standardLinetypes()) {
        const ObjectId id = nextId();
        linetypes_.add({id, standard.name, standard.description, standard.dashes});
        if (standard.name == std::wstring_view(L"CONTINUOUS")) continuousId_ = id;
    }
    layerZeroId_ = nextId();
    layers_.add({layerZeroId_, L"0", 7, std::nullopt, continuousId_, false, false, false});
    currentDimStyleId_ = kStandardDimStyleId;
    dimStyles_.add({currentDimStyleId_, L"Standard"});
    dictionaries_[kNamedObjectsId] = {kNamedObjectsId, {{L"ACAD_MATERIAL", kMaterialDictionaryId}}};
    dictionaries_[kMaterialDictionaryId] = {kMaterialDictionaryId, {}};
    owners_[kMaterialDictionaryId] = kNamedObjectsId;
}

Refusal Database::checkLayerFields(const Layer& layer) const {
    if (!isValidSymbolName(layer.name)) return Refusal::BadName;
    if (layer.colorIndex < 1 || layer.colorIndex > 255) return Refusal::BadValue;
    if (layer.trueColor && *layer.trueColor > 0xFFFFFF) return Refusal::BadValue;
    // A layer's linetype is a real one: ByLayer and ByBlock mean nothing on a layer.
    const Linetype* linetype = linetypes_.findById(layer.linetype);
    if (linetype == nullptr || isByName(*linetype)) return Refusal::BadLinetype;
    return Refusal::None;
}

Refusal Database::addLayer(Layer layer, ObjectId* id) {
    if (const Refusal refusal = checkLayerFields(layer); refusal != Refusal::None) return refusal;
    if (layers_.contains(layer.name)) return Refusal::NameTaken;
    layer.id = nextId();
    if (id != nullptr) *id = layer.id;
    layers_.add(std::move(layer));
    return Refusal::None;
}

Refusal Database::updateLayer(const Layer& changed) {
    const Layer* stored = layers_.findById(changed.id);
    if (stored == nullptr) return Refusal::NotFound;
    if (const Refusal refusal = checkLayerFields(changed); refusal != Refusal::None) return refusal;
    const bool renamed = changed.name != stored->name;
    if (renamed && changed.id == layerZeroId_) return Refusal::Protected;
    if (const Layer* holder = layers_.find(changed.name); holder != nullptr && holder->id != changed.id) {
        return Refusal::NameTaken;
    }
    layers_.replace(changed);
    return Refusal::None;
}

Refusal Database::purgeLayer(ObjectId id, std::wstring_view currentLayer) {
    const Layer* layer = layers_.findById(id);
    if (layer == nullptr) return Refusal::NotFound;
    if (id == layerZeroId_ || upperCase(layer->name) == upperCase(currentLayer)) return Refusal::Protected;
    if (entitiesOnLayer(id) > 0) return Refusal::InUse;
    layers_.erase(id);
    return Refusal::None;
}

Refusal Database::addLinetype(Linetype linetype, ObjectId* id) {
    if (!isValidSymbolName(linetype.name)) return Refusal::BadName;
    if (linetypes_.contains(linetype.name)) return Refusal::NameTaken;
    linetype.id = nextId();
    if (id != nullptr) *id = linetype.id;
    linetypes_.add(std::move(linetype));
    return Refusal::None;
}

Refusal Database::renameLinetype(ObjectId id, const std::wstring& name) {
    const Linetype* stored = linetypes_.findById(id);
    if (stored == nullptr) return Refusal::NotFound;
    if (stored->name == name) return Refusal::None;
    if (isByName(*stored) || id == continuousId_) return Refusal::Protected;
    if (!isValidSymbolName(name)) return Refusal::BadName;
    if (const Linetype* holder = linetypes_.find(name); holder != nullptr && holder->id != id) return Refusal::NameTaken;
    Linetype renamed = *stored;
    renamed.name = name;
    linetypes_.replace(renamed);
    return Refusal::None;
}

Refusal Database::checkEntityFields(const Entity& entity) const {
    if (layers_.findById(entity.layer) == nullptr) return Refusal::NotFound;
    if (linetypes_.findById(entity.linetype) == nullptr) return Refusal::BadLinetype;
    if (entity.color < kColorByBlock || entity.color > kColorByLayer) return Refusal::BadValue;
    return Refusal::None;
}

Refusal Database::addEntity(Entity entity, ObjectId* id) {
    if (const Refusal refusal = checkEntityFields(entity); refusal != Refusal::None) return refusal;
    entity.id = nextId();
    entity.erased = false;
    if (id != nullptr) *id = entity.id;
    ++entitiesPerLayer_[entity.layer];
    entities_.emplace(entity.id, std::move(entity));
    return Refusal::None;
}

Refusal Database::updateEntity(const Entity& changed) {
    const auto it = entities_.find(changed.id);
    if (it == entities_.end()) return Refusal::NotFound;
    if (const Refusal refusal = checkEntityFields(changed); refusal != Refusal::None) return refusal;
    // Only live entities hold their layer against a purge.
    if (!it->second.erased) --entitiesPerLayer_[it->second.layer];
    if (!changed.erased) ++entitiesPerLayer_[changed.layer];
    it->second = changed;
    return Refusal::None;
}

const Entity* Database::findEntity(ObjectId id) const {
    const auto it = entities_.find(id);
    return it == entities_.end() ? nullptr : &it->second;
}

const Entity* Database::entityAfter(ObjectId id) const {
    for (auto it = entities_.upper_bound(id); it != entities_.end(); ++it) {
        if (!it->second.erased) return &it->second;
    }
    return nullptr;
}

const Entity* Database::lastEntity() const {
    for (auto it = entities_.rbegin(); it != entities_.rend(); ++it) {
        if (!it->second.erased && ownerOfSubEntity(it->second) == kNullId) return &it->second;
    }
    return nullptr;
}

std::size_t Database::entitiesOnLayer(ObjectId layer) const {
    const auto it = entitiesPerLayer_.find(layer);
    return it == entitiesPerLayer_.end() ? 0 : it->second;
}

std::wstring Database::handleOf(ObjectId id) {
    wchar_t text[24];
    std::swprintf(text, std::size(text), L"%llX", static_cast<unsigned long long>(id));
    return text;
}

Refusal Database::addDimStyle(DimStyle style, ObjectId* id) {
    if (!isValidSymbolName(style.name)) return Refusal::BadName;
    if (dimStyles_.contains(style.name)) return Refusal::NameTaken;
    if (!(style.textHeight > 0.0) || !(style.scale >= 0.0)) return Refusal::BadValue;
    style.id = nextId();
    if (id != nullptr) *id = style.id;
    dimStyles_.add(std::move(style));
    return Refusal::None;
}

Refusal Database::setCurrentDimStyle(ObjectId id) {
    if (dimStyles_.findById(id) == nullptr) return Refusal::NotFound;
    currentDimStyleId_ = id;
    return Refusal::None;
}

bool Database::exists(ObjectId id) const {
    return id == kLayerTableId || id == kLinetypeTableId || id == kBlockTableId || id == kModelSpaceId ||
           id == kDimStyleTableId || dimStyles_.findById(id) != nullptr ||
           dictionaries_.contains(id) || materials_.contains(id) || layers_.findById(id) != nullptr ||
           linetypes_.findById(id) != nullptr || entities_.contains(id);
}

Acad::ErrorStatus Database::beginOpen(ObjectId id, AcDb::OpenMode mode) {
    if (id == kNullId) return Acad::eNullObjectId;
    if (!exists(id)) return Acad::eUnknownHandle;
    OpenState& state = openStates_[id];
    // Several readers or one writer, as the host allows.
    if (state.writer) return Acad::eWasOpenForWrite;
    if (mode == AcDb::kForWrite && state.readers > 0) return Acad::eWasOpenForRead;
    if (mode == AcDb::kForWrite) state.writer = true;
    else ++state.readers;
    ++openObjects_;
    return Acad::eOk;
}

Acad::ErrorStatus Database::upgradeOpen(ObjectId id) {
    OpenState& state = openStates_[id];
    if (state.writer) return Acad::eWasOpenForWrite;
    if (state.readers != 1) return Acad::eWasOpenForRead;
    state.readers = 0;
    state.writer = true;
    return Acad::eOk;
}

void Database::endOpen(ObjectId id, AcDb::OpenMode mode) {
    const auto it = openStates_.find(id);
    if (it == openStates_.end()) return;
    if (mode == AcDb::kForWrite) it->second.writer = false;
    else if (it->second.readers > 0) --it->second.readers;
    if (!it->second.writer && it->second.readers == 0) openStates_.erase(it);
    if (openObjects_ > 0) --openObjects_;
}

}  // namespace vexa::sim::db
