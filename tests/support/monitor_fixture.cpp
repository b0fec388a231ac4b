#include "support/monitor_fixture.h"

namespace vexa::test {

sim::db::ObjectId MonitorTest::layer(const std::wstring& name) {
    sim::db::Database& database = drawing().database();
    if (const sim::db::Layer* found = database.layers().find(name)) return found->id;
    sim::db::Layer made;
    made.name = name;
    made.linetype = database.continuous().id;
    sim::db::ObjectId id = sim::db::kNullId;
    EXPECT_EQ(database.addLayer(made, &id), sim::db::Refusal::None);
    return id;
}

sim::db::ObjectId MonitorTest::line(const std::wstring& layerName, double x1, double y1, double x2, double y2) {
    sim::db::Entity entity;
    entity.layer = layer(layerName);
    entity.linetype = drawing().database().linetypes().find(L"BYLAYER")->id;
    entity.geometry = sim::db::LineGeometry{{x1, y1, 0.0}, {x2, y2, 0.0}};
    sim::db::ObjectId id = sim::db::kNullId;
    EXPECT_EQ(drawing().database().addEntity(entity, &id), sim::db::Refusal::None);
    return id;
}

const sim::monitors::CursorFrame& MonitorTest::moveTo(double x, double y) {
    host.cursor().moveTo({x, y, 0.0});
    return host.cursor().log().last();
}

}  // namespace vexa::test
