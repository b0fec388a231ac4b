#include <array>
#include <vector>

#include "acad/hlrapi.h"
#include "frame/model_space.h"
#include "frame/resbuf_chain.h"
#include "solid3d/hlr_request.h"
#include "solid3d/views_functions.h"

namespace vexa::solid3d {

namespace {

// Classes 0 to 3 have a list each; every other class goes to the fifth.
constexpr std::size_t kOtherClasses = 4;

struct EntityName {
    ads_name name;
};

void setLinetypeByLayer(const AcDbObjectId& id) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForWrite) != Acad::eOk) return;
    entity->setLinetype(L"ByLayer", true);
    entity->close();
}

}  // namespace

int hlr(resbuf* args) {
    const std::optional<HlrRequest> request = readHlrRequest(args);
    if (!request) return acedRetNil();
    AsdkHlrCollector collector;
    collector.addEntity(request->solid);
    AsdkHlrEngine engine(request->target, request->direction, request->flags);
    engine.run(collector);

    std::array<std::vector<EntityName>, kOtherClasses + 1> lists;
    const int count = collector.getOutputDataCount();
    for (int i = 0; i < count; ++i) {
        const AsdkHlrData* data = collector.getOutputData(i);
        AcDbObjectId id;
        if (!frame::appendToModelSpace(data->getResultEntity(), id)) {
            acutPrintf(L"Failed to add entity to current space.\n");
            // The records not added are nobody's but ours now.
            for (int rest = i; rest < count; ++rest) delete collector.getOutputData(rest)->getResultEntity();
            break;
        }
        setLinetypeByLayer(id);
        EntityName entry{};
        acdbGetAdsName(entry.name, id);
        const int visibility = data->getVisibility();
        const std::size_t list = visibility >= 0 && visibility < static_cast<int>(kOtherClasses)
                                     ? static_cast<std::size_t>(visibility)
                                     : kOtherClasses;
        lists[list].push_back(entry);
    }

    frame::ListBuilder result;
    result.beginList();
    for (const std::vector<EntityName>& list : lists) {
        result.beginList();
        for (const EntityName& entry : list) result.name(entry.name);
        result.endList();
    }
    result.endList().returnResult();
    return RTNORM;
}

}  // namespace vexa::solid3d
