// The engine of the hidden-line service: the collector's solids through Open CASCADE's removal.
#include "acad/hlrapi.h"
#include "db/database.h"
#include "hidden_lines.h"
#include "sim/solids/body.h"

namespace {

const vexa::sim::solids::Body* bodyOf(const AcDbObjectId& id) {
    const auto* database = static_cast<const vexa::sim::db::Database*>(id.database());
    const vexa::sim::db::Entity* entity = database ? database->findEntity(id.asOldId()) : nullptr;
    if (entity == nullptr || entity->erased) return nullptr;
    const auto* solid = std::get_if<vexa::sim::db::SolidGeometry>(&entity->geometry);
    return solid ? solid->body.get() : nullptr;
}

}  // namespace

AsdkHlrEngine::AsdkHlrEngine(const AcGePoint3d& target, const AcGeVector3d& direction, short flags)
    : target_(target), direction_(direction), flags_(flags) {}

Acad::ErrorStatus AsdkHlrEngine::run(AsdkHlrCollector& collector) {
    if (!(direction_.length() > 0.0)) return Acad::eInvalidInput;
    for (const AcDbObjectId& id : collector.entities()) {
        const vexa::sim::solids::Body* body = bodyOf(id);
        if (body == nullptr) continue;
        for (const vexa::hlr::ViewCurve& curve : vexa::hlr::removeHiddenLines(body->shape(), body->size(), target_, direction_, flags_)) {
            collector.addOutputData(curve.entity, curve.visibility);
        }
    }
    return Acad::eOk;
}
