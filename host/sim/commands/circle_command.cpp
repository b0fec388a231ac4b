// CIRCLE: a centre point, then the radius or, after the Diameter keyword, the diameter.
#include "sim/commands/current_space.h"
#include "sim/commands/host_commands.h"
#include "sim/commands/prompts.h"
#include "sim/host.h"

namespace vexa::sim {

void circleCommand() {
    Host& host = *Host::current();
    const std::optional<db::Point3> centre = promptPoint(host, L"Specify center point for circle: ");
    if (!centre) return;
    const InputOptions::Pending positive{kNoZero | kNoNegative, {}};
    const InputAnswer radius = readInput(
        host, {InputRequest::Kind::Distance, L"Specify radius of circle or [Diameter]: ", centre, {positive.bits, L"Diameter"}});
    if (radius.status == RTNORM) {
        addToCurrentSpace(host, db::CircleGeometry{*centre, radius.real});
        return;
    }
    if (radius.status != RTKWORD) return;
    const InputAnswer diameter = readInput(host, {InputRequest::Kind::Distance, L"Specify diameter of circle: ", centre, positive});
    if (diameter.status == RTNORM) addToCurrentSpace(host, db::CircleGeometry{*centre, diameter.real / 2.0});
}

}  // namespace vexa::sim
