// Entities the host's commands draw: on the current layer, with the linetype BYLAYER.
#pragma once

#include "db/records.h"

namespace vexa::sim {

class Host;

void addToCurrentSpace(Host& host, db::Geometry geometry);

}  // namespace vexa::sim
