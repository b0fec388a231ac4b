// The drawing database of one document: layer and linetype tables, model space, open objects.
#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

#include "acad/dbmain.h"
#include "db/records.h"
#include "db/symbol_table.h"

namespace vexa::sim::db {

// Why a change to a table record was refused.
enum class Refusal { None, BadName, NameTaken, NotFound, Protected, InUse, BadLinetype, BadValue };

class Database : public AcDbDatabase {
public:
    Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const SymbolTable<Layer>& layers() const { return layers_; }
    const SymbolTable<Linetype>& linetypes() const { return linetypes_; }
    const Layer& layerZero() const { return *layers_.findById(layerZeroId_); }
    const Linetype& continuous() const { return *linetypes_.findById(continuousId_); }
    // "Standard" from the start; the current style is the drawing's DIMSTYLE.
    const SymbolTable<DimStyle>& dimStyles() const { return dimStyles_; }
    const DimStyle& currentDimStyle() const { return *dimStyles_.findById(currentDimStyleId_); }
    Refusal addDimStyle(DimStyle style, ObjectId* id = nullptr);
    Refusal setCurrentDimStyle(ObjectId id);

    // A new layer (id assigned here); BadName, NameTaken or BadLinetype refuse it.
    Refusal addLayer(Layer layer, ObjectId* id = nullptr);
    // Writes back a changed layer: a new name must be valid and free, and "0" keeps its name.
    Refusal updateLayer(const Layer& changed);
    // Purges an unused layer: never "0", the current layer or a layer with entities on it.
    Refusal purgeLayer(ObjectId id, std::wstring_view currentLayer);

    // A new linetype (id assigned here); BadName or NameTaken refuse it.
    Refusal addLinetype(Linetype linetype, ObjectId* id = nullptr);
    // Renames a linetype; the three standard ones keep their names.
    Refusal renameLinetype(ObjectId id, const std::wstring& name);

    // Entities in model space, in creation order; erased ones stay until the drawing closes.
    Refusal addEntity(Entity entity, ObjectId* id = nullptr);
    Refusal updateEntity(const Entity& changed);
    const Entity* findEntity(ObjectId id) const;
    const Entity* firstEntity() const { return entityAfter(kNullId); }
    const Entity* entityAfter(ObjectId id) const;
    const Entity* lastEntity() const;
    std::size_t entitiesOnLayer(ObjectId layer) const;
    // The entities the drawing shows highlighted, in id order.
    const std::set<ObjectId>& highlighted() const { return highlighted_; }
    void setHighlighted(ObjectId id, bool on) { on ? void(highlighted_.insert(id)) : void(highlighted_.erase(id)); }

    // The named object dictionary holds the material dictionary ("ACAD_MATERIAL") from the start.
    const Dictionary* findDictionary(ObjectId id) const;
    const Material* findMaterial(ObjectId id) const;
    // An object made without an owner (entmakex); it joins a dictionary with addToDictionary.
    ObjectId addMaterial(Material material);
    Refusal updateMaterial(const Material& changed);
    // Names are compared without regard to case; a taken name or an owned object is refused.
    Refusal addToDictionary(ObjectId dictionary, const std::wstring& name, ObjectId object);
    ObjectId lookUp(ObjectId dictionary, std::wstring_view name) const;
    // The dictionary that holds an object, or kNullId.
    ObjectId ownerOf(ObjectId object) const;

    // Entity handles are the hexadecimal form of the id, as the host writes them.
    static std::wstring handleOf(ObjectId id);
    bool exists(ObjectId id) const;

    // Open and close of host objects by plug-in code; the count must be 0 after every call.
    std::size_t openObjectCount() const { return openObjects_; }
    Acad::ErrorStatus beginOpen(ObjectId id, AcDb::OpenMode mode);
    Acad::ErrorStatus upgradeOpen(ObjectId id);
    void endOpen(ObjectId id, AcDb::OpenMode mode);

    static constexpr ObjectId kLayerTableId = 1;
    static constexpr ObjectId kLinetypeTableId = 2;
    static constexpr ObjectId kBlockTableId = 3;
    static constexpr ObjectId kModelSpaceId = 4;
    static constexpr ObjectId kNamedObjectsId = 5;
    static constexpr ObjectId kMaterialDictionaryId = 6;
    static constexpr ObjectId kDimStyleTableId = 7;
    // Below the first id handed out, so that the drawing's other handles stay as they were.
    static constexpr ObjectId kStandardDimStyleId = 8;
    AcDbObjectId objectId(ObjectId id) { return {this, id}; }

private:
    struct OpenState {
        int readers = 0;
        bool writer = false;
    };

    ObjectId nextId() { return nextId_++; }
    Refusal checkLayerFields(const Layer& layer) const;
    Refusal checkEntityFields(const Entity& entity) const;

    ObjectId nextId_ = 0x10;
    SymbolTable<Layer> layers_;
    SymbolTable<Linetype> linetypes_;
    ObjectId layerZeroId_ = kNullId;
    ObjectId continuousId_ = kNullId;
    SymbolTable<DimStyle> dimStyles_;
    ObjectId currentDimStyleId_ = kNullId;
    std::map<ObjectId, Entity> entities_;
    std::set<ObjectId> highlighted_;
    std::unordered_map<ObjectId, std::size_t> entitiesPerLayer_;
    std::unordered_map<ObjectId, OpenState> openStates_;
    std::map<ObjectId, Dictionary> dictionaries_;
    std::map<ObjectId, Material> materials_;
    std::unordered_map<ObjectId, ObjectId> owners_;
    std::size_t openObjects_ = 0;
};

// Symbol-table names as the host accepts them: 1 to 255 characters, none of <>/\":;?*|,=`,
// no control characters and no leading or trailing space.
bool isValidSymbolName(std::wstring_view name);

}  // namespace vexa::sim::db
