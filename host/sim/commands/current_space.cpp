#include "sim/commands/current_space.h"

#include "sim/host.h"

namespace vexa::sim {

void addToCurrentSpace(Host& host, db::Geometry geometry) {
    db::Database& database = host.documents().current()->database();
    db::Entity entity;
    entity.layer = database.clayer().asOldId();
    entity.linetype = database.linetypes().find(L"BYLAYER")->id;
    entity.geometry = std::move(geometry);
    database.addEntity(std::move(entity));
}

}  // namespace vexa::sim
