#include "ordo/layers/sel_lay_ipm.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "acad/aced.h"
#include "ordo/layers/sel_lay_text.h"

namespace vexa::ordo {

namespace {

constexpr std::size_t kTextLimit = 255;

// The layers of the entities, once each in order of first appearance; entities that cannot be
// opened are passed over.
std::vector<AcDbObjectId> layersOf(const AcArray<AcDbObjectId>& entities, int count) {
    std::vector<AcDbObjectId> layers;
    for (int i = 0; i < count; ++i) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenObject(entity, entities[i], AcDb::kForRead) != Acad::eOk) continue;
        const AcDbObjectId layer = entity->layerId();
        entity->close();
        if (std::find(layers.begin(), layers.end(), layer) == layers.end()) layers.push_back(layer);
    }
    return layers;
}

std::optional<std::wstring> layerName(AcDbObjectId layer) {
    AcDbLayerTableRecord* record = nullptr;
    if (acdbOpenObject(record, layer, AcDb::kForRead) != Acad::eOk) return std::nullopt;
    const ACHAR* name = nullptr;
    record->getName(name);
    std::wstring copy = name ? name : L"";
    record->close();
    return copy;
}

}  // namespace

selLayIPM::selLayIPM(std::wstring oneLayerText, std::wstring severalLayersText, bool topOnly)
    : oneLayerText_(std::move(oneLayerText)), severalLayersText_(std::move(severalLayersText)), topOnly_(topOnly) {
    oneLayerText_.resize(std::min(oneLayerText_.size(), kTextLimit));
    severalLayersText_.resize(std::min(severalLayersText_.size(), kTextLimit));
}

Acad::ErrorStatus selLayIPM::monitorInputPoint(
    bool& appendToTooltipStr, ACHAR*& additionalTooltipString, AcGiViewportDraw*, AcApDocument*, bool, int,
    const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&,
    AcDb::OsnapMask, const AcArray<AcDbCustomOsnapMode*>&, AcDb::OsnapMask, const AcArray<AcDbCustomOsnapMode*>&,
    const AcArray<AcDbObjectId>& apertureEntities, const AcArray<AcDbObjectIdArray>&, const AcArray<std::intptr_t>&,
    const AcArray<AcDbObjectId>&, const AcArray<AcGeCurve3d*>&, const AcGePoint3d&, const ACHAR*) {
    if (apertureEntities.isEmpty()) return Acad::eOk;
    std::vector<std::optional<std::wstring>> names;
    for (AcDbObjectId layer : layersOf(apertureEntities, topOnly_ ? 1 : apertureEntities.length())) {
        names.push_back(layerName(layer));
    }
    const std::wstring text = layerTooltipText(oneLayerText_, severalLayersText_, names);
    appendToTooltipStr = true;
    additionalTooltipString = acutNewString(text.c_str());
    return Acad::eOk;
}

}  // namespace vexa::ordo
